// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "fakeshell.h"

#include "ui/main/mainwindow.h"
#include "ui/tray/trayhost.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

namespace {

const QString activeTip = QStringLiteral("Brevora is active");
const QString hiddenTip = QStringLiteral("Brevora is hidden");

QAction *item(TrayHost *host, const char *name)
{
    return host ? host->menu()->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
}

// Chooses a menu item as the user would and lets its queued request run.
void choose(TrayHost *host, const char *name)
{
    QAction *action = item(host, name);
    QVERIFY2(action, name);
    action->trigger();
    QCoreApplication::processEvents();
}

QStringList captions(const TrayHost &host)
{
    QStringList result;
    for (QAction *action : host.menu()->actions())
        result.append(action->objectName() + u'=' + action->text());
    return result;
}

} // namespace

// The two windows behind the notification-area icon and the switches between them.
class TestTrayHosts : public QObject
{
    Q_OBJECT

private slots:
    void eachHostCarriesItsTipAndMenu()
    {
        FakeShell shell;
        TrayHost shown(TrayHost::Mode::Shown, shell);
        TrayHost hidden(TrayHost::Mode::Hidden, shell);
        QCOMPARE(shown.objectName(), QStringLiteral("Form14"));
        QCOMPARE(hidden.objectName(), QStringLiteral("Form15"));
        QCOMPARE(shown.icon()->toolTip(), activeTip);
        QCOMPARE(hidden.icon()->toolTip(), hiddenTip);
        QCOMPARE(captions(shown),
                 (QStringList{ "nuevo=New alarm", "opciones=Options", "ocultar=Hide", "cerrar=Exit" }));
        QCOMPARE(captions(hidden),
                 (QStringList{ "nuevo=New Alarm", "opciones=Options", "restaurar=Restore", "cerrar=Exit" }));
        QVERIFY(!shown.isVisible());
        QVERIFY(!hidden.isVisible());
    }

    void menuItemsAndDoubleClicksAskTheShell()
    {
        FakeShell shell;
        {
            TrayHost shown(TrayHost::Mode::Shown, shell);
            choose(&shown, "nuevo");
            choose(&shown, "opciones");
            shown.iconDoubleClicked(); // the main window is not visible: nothing
            shell.mainVisible = true;
            shown.iconDoubleClicked();
            choose(&shown, "cerrar");
        }
        QCOMPARE(shell.calls, (QStringList{ "startNewAlarm", "showOptions", "hideProgramFromIcon", "exitProgram" }));
        shell.calls.clear();
        TrayHost hidden(TrayHost::Mode::Hidden, shell);
        choose(&hidden, "restaurar");
        hidden.iconDoubleClicked();
        QCOMPARE(shell.calls, (QStringList{ "restoreProgram", "restoreProgramFromIcon" }));

        // An XEmbed tray reports a press on the icon's own window as Trigger: only its double-click counts.
        shell.calls.clear();
        QWidget xembedIcon;
        xembedIcon.show();
        QVERIFY(QTest::qWaitForWindowExposed(&xembedIcon));
        QTest::mousePress(xembedIcon.windowHandle(), Qt::LeftButton);
        emit hidden.icon()->activated(QSystemTrayIcon::Trigger);
        QTest::mouseRelease(xembedIcon.windowHandle(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(shell.calls.isEmpty());
        emit hidden.icon()->activated(QSystemTrayIcon::DoubleClick);
        // A StatusNotifierItem host's Activate, a click on the panel, arrives as Trigger with no button held.
        emit hidden.icon()->activated(QSystemTrayIcon::Trigger);
        QCoreApplication::processEvents();
        QCOMPARE(shell.calls, (QStringList{ "restoreProgramFromIcon", "restoreProgramFromIcon" }));
    }

    void hideFollowsTheMainWindow()
    {
        AppFixture f;
        f.startAndSkipSplash();
        TrayHost *host = f.app->trayHost(TrayHost::Mode::Shown);
        QVERIFY(item(host, "ocultar")->isEnabled());
        // "New alarm" hides the main window but keeps the shown-state icon.
        choose(host, "nuevo");
        QVERIFY(!f.app->windows().mainWindowVisible());
        QCOMPARE(f.app->trayHost(TrayHost::Mode::Shown), host);
        QVERIFY(!item(host, "ocultar")->isEnabled());
        host->iconDoubleClicked();
        QCOMPARE(visibleTrayTips(), QStringList{ activeTip });
        f.app->windows().showMainWindow();
        QVERIFY(item(host, "ocultar")->isEnabled());
    }

    void everySwitchLeavesExactlyOneIcon()
    {
        AppFixture f;
        f.startAndSkipSplash();
        QCOMPARE(visibleTrayTips(), QStringList{ activeTip });

        f.app->mainWindow().menu().hide->trigger();
        QVERIFY(!f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ hiddenTip });

        choose(f.app->trayHost(TrayHost::Mode::Hidden), "restaurar");
        QVERIFY(f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ activeTip });

        choose(f.app->trayHost(TrayHost::Mode::Shown), "ocultar");
        QVERIFY(!f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ hiddenTip });

        f.app->trayHost(TrayHost::Mode::Hidden)->iconDoubleClicked();
        QVERIFY(f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ activeTip });

        f.app->trayHost(TrayHost::Mode::Shown)->iconDoubleClicked();
        QVERIFY(!f.app->windows().mainWindowVisible());
        QCOMPARE(visibleTrayTips(), QStringList{ hiddenTip });
        QVERIFY(!f.app->trayHost(TrayHost::Mode::Shown));
    }

    void theMenusAddTheNewIconFirstAndTheDoubleClickRemovesTheOldFirst()
    {
        AppFixture f;
        f.startAndSkipSplash();
        bool newIconWasThere = false;
        auto watch = [&](TrayHost::Mode leaving, TrayHost::Mode coming) {
            connect(f.app->trayHost(leaving), &QObject::destroyed, f.app.get(),
                    [&f, &newIconWasThere, coming] { newIconWasThere = f.app->trayHost(coming) != nullptr; });
        };
        watch(TrayHost::Mode::Shown, TrayHost::Mode::Hidden);
        f.app->windows().hideProgram();
        QVERIFY(newIconWasThere);
        watch(TrayHost::Mode::Hidden, TrayHost::Mode::Shown);
        f.app->trayHost(TrayHost::Mode::Hidden)->iconDoubleClicked();
        QVERIFY(!newIconWasThere);
        watch(TrayHost::Mode::Shown, TrayHost::Mode::Hidden);
        f.app->trayHost(TrayHost::Mode::Shown)->iconDoubleClicked();
        QVERIFY(!newIconWasThere);
        watch(TrayHost::Mode::Hidden, TrayHost::Mode::Shown);
        f.app->windows().restoreProgram();
        QVERIFY(newIconWasThere);
    }

    void everyExitRemovesTheIconAndEndsTheProgramOnce_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("way");
        for (const char *way : { "menu", "close", "icon menu", "close-all" }) {
            QTest::addRow("shown, %s", way) << false << QString::fromLatin1(way);
            QTest::addRow("hidden, %s", way) << true << QString::fromLatin1(way);
        }
    }

    void everyExitRemovesTheIconAndEndsTheProgramOnce()
    {
        QFETCH(bool, hidden);
        QFETCH(QString, way);
        AppFixture f;
        f.startAndSkipSplash();
        if (hidden)
            f.app->windows().hideProgram();
        if (way == "menu")
            f.app->mainWindow().menu().exit->trigger();
        else if (way == "close")
            f.app->mainWindow().close();
        else if (way == "icon menu")
            choose(f.app->trayHost(hidden ? TrayHost::Mode::Hidden : TrayHost::Mode::Shown), "cerrar");
        else
            f.app->windows().closeAllAndExit();
        QCOMPARE(f.programEnd.ends, 1);
        QVERIFY(visibleTrayTips().isEmpty());
        QVERIFY(!f.app->trayHost(TrayHost::Mode::Shown));
        QVERIFY(!f.app->trayHost(TrayHost::Mode::Hidden));
    }

    void withoutANotificationAreaHidingMinimisesAndSaysSoOnce()
    {
        AppFixture f(false, false);
        f.startAndSkipSplash();
        static int said;
        said = 0;
        const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
            said += text.contains(QStringLiteral("No notification area")) ? 1 : 0;
        });
        f.app->windows().hideProgram();
        QVERIFY(f.app->mainWindow().isMinimized());
        // Still reachable, and the state still follows the hidden host.
        QVERIFY(f.app->windows().mainWindowVisible());
        QVERIFY(f.app->trayHost(TrayHost::Mode::Hidden));
        f.app->windows().restoreProgram();
        QVERIFY(!f.app->mainWindow().isMinimized());
        f.app->windows().hideProgram();
        QVERIFY(f.app->mainWindow().isMinimized());
        qInstallMessageHandler(previous);
        QCOMPARE(said, 1);
    }
};

QTEST_MAIN(TestTrayHosts)
#include "tst_trayhosts.moc"
