// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"

#include "ui/dialogs/splashwindow.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace brevora;
using namespace brevora::test;

namespace {

// The WCAG contrast ratio of two colours: 1 for the same, 21 for black on white.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QTimer *splashTimer(SplashWindow &splash)
{
    return splash.findChild<QTimer *>(QStringLiteral("Timer1"));
}

} // namespace

// The splash window: what it shows, and its one hand-over to the main window or the hidden icon.
class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void showsTheProductAndItsVersion()
    {
        StoreFixture store;
        SplashWindow splash(store.layout.settingsFolder());
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(splash.findChild<QLabel *>("lblVersion")->text(), QStringLiteral("Versión " BREVORA_VERSION));
        QCOMPARE(splash.findChild<QLabel *>("lblProductName")->text(), QStringLiteral("Brevora"));
        QCOMPARE(splash.findChild<QLabel *>("lblCompanyProduct")->text(), QStringLiteral("The reminding solution"));
        auto *logo = splash.findChild<QLabel *>("imgLogo");
        QVERIFY(logo);
        QCOMPARE(logo->pixmap().size(), QSize(205, 301));
        QCOMPARE(splash.size(), QSize(492, 248));
        for (const char *name : { "Frame1", "Label1", "lblLicenseTo", "lblCopyright", "lblCompany", "lblPlatform" })
            QVERIFY2(splash.findChild<QWidget *>(name), name);
        QCOMPARE(splashTimer(splash)->interval(), 5000);
        QVERIFY(splashTimer(splash)->isActive());
    }

    void itsTextIsReadableInTheDesktopsColours_data()
    {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("light") << QApplication::palette();
        QPalette dark(QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::HighlightedText, Qt::white);
        QTest::newRow("dark") << dark;
    }

    void itsTextIsReadableInTheDesktopsColours()
    {
        QFETCH(QPalette, desktop);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(desktop);
        StoreFixture store;
        SplashWindow splash(store.layout.settingsFolder());
        QApplication::setPalette(before);
        auto *label = splash.findChild<QLabel *>("lblCompanyProduct");
        QVERIFY(contrast(splash.palette().color(QPalette::Window), label->palette().color(QPalette::WindowText))
                >= 4.5);
    }

    void handsOverOnceWhateverEndsIt_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : { "key", "click on the window", "click on the logo", "click on a label", "timer" })
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void handsOverOnceWhateverEndsIt()
    {
        QFETCH(QString, how);
        AppFixture f;
        f.app->start();
        SplashWindow &splash = f.app->splashWindow();
        QSignalSpy ended(&splash, &SplashWindow::startUpEnded);
        QVERIFY(splash.isVisible());
        QVERIFY(!f.app->windows().mainWindowVisible());
        if (how == "key")
            QTest::keyClick(&splash, Qt::Key_Space);
        else if (how == "click on the window")
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2));
        else if (how == "click on the logo")
            QTest::mouseClick(splash.findChild<QWidget *>("imgLogo"), Qt::LeftButton);
        else if (how == "click on a label")
            QTest::mouseClick(splash.findChild<QWidget *>("lblCopyright"), Qt::RightButton);
        else
            splashTimer(splash)->start(1);
        QTRY_COMPARE(ended.size(), 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splashTimer(splash)->isActive());
        QVERIFY(f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ QStringLiteral("Brevora is active") });

        // Nothing after the first reaches it again.
        QTest::keyClick(&splash, Qt::Key_Space);
        splash.handOver();
        f.app->windows().hideProgram();
        splash.handOver();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!f.app->windows().mainWindowVisible());
    }

    void theHideSettingKeepsTheMainWindowAwayBehindTheHiddenIcon()
    {
        AppFixture f(true);
        f.app->start();
        QTest::keyClick(&f.app->splashWindow(), Qt::Key_Escape);
        QVERIFY(!f.app->windows().mainWindowVisible());
        QVERIFY(!f.app->trayHost(TrayHost::Mode::Shown));
        QCOMPARE(visibleTrayTips(), QStringList{ QStringLiteral("Brevora is hidden") });
    }

    void theHideSettingIsReadWhenTheSplashEnds()
    {
        // Start-up read "off"; the file says "on" by the time the splash goes, and the file wins.
        AppFixture f(false);
        f.app->start();
        QVERIFY(writeSettingFile(f.store.layout.settingsFolder() + "/hide.bvr", true));
        f.app->splashWindow().handOver();
        QVERIFY(!f.app->windows().mainWindowVisible());
        QVERIFY(f.app->trayHost(TrayHost::Mode::Hidden));
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
