// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakelauncher.h"
#include "fakeprompter.h"
#include "fakeshell.h"
#include "storefixture.h"

#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/helpfile.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevora;
using namespace brevora::test;

namespace {

const QString unavailable = QStringLiteral("La información del sistema no está disponible en este momento");

} // namespace

class TestAboutAndHelp : public QObject
{
    Q_OBJECT

    static QString text(QWidget &window, const char *name) { return window.findChild<QLabel *>(name)->text(); }

private slots:
    void aboutBoxTexts()
    {
        FakeShell shell;
        FakeLauncher launcher;
        FakePrompter prompter;
        AboutBox about(shell, launcher, prompter);
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Brevora"));
        QCOMPARE(text(about, "lblTitle"), QStringLiteral("Brevora"));
        QCOMPARE(text(about, "lblVersion"), QStringLiteral("Versión " BREVORA_VERSION));
        QCOMPARE(text(about, "lblDescription"),
                 QStringLiteral("With Brevora you can make your own alarms for reminding you of important dates, "
                                "celebrations...; and you can set them to the hour, day, month, year, week day... you "
                                "want."));
        QVERIFY(!text(about, "Label1").isEmpty());
        QVERIFY(!text(about, "Label2").isEmpty());
        QCOMPARE(about.findChild<QPushButton *>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(about.findChild<QPushButton *>("cmdSysInfo")->text(), QStringLiteral("&Sistem info."));
    }

    void okEnterAndEscapeOnlyHide()
    {
        FakeShell shell;
        FakeLauncher launcher;
        FakePrompter prompter;
        AboutBox about(shell, launcher, prompter);
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
        about.show();
        QTest::mouseClick(about.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(shell.calls.isEmpty());
        QVERIFY(launcher.started.isEmpty());

        about.show();
        QVERIFY(about.close());
        QCOMPARE(shell.calls, QStringList{ "closeAllAndExit" });
    }

    void systemInformation()
    {
        FakeShell shell;
        FakeLauncher launcher;
        FakePrompter prompter;
        AboutBox about(shell, launcher, prompter);
        const QStringList tools = AboutBox::systemInfoTools();
        QVERIFY(tools.size() >= 2);

        QTest::mouseClick(about.findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].text, unavailable);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Brevora"));
        QCOMPARE(prompter.shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(prompter.shown[0].buttons, QMessageBox::Ok);

        // The first tool on PATH that starts; one that fails to start gives way to the next.
        launcher.onPath.insert(tools[0], "/bin/" + tools[0]);
        launcher.onPath.insert(tools.last(), "/usr/bin/" + tools.last());
        launcher.failingPrograms.insert("/bin/" + tools[0]);
        about.startSystemInfo();
        QCOMPARE(launcher.started, (QStringList{ "/bin/" + tools[0], "/usr/bin/" + tools.last() }));
        QCOMPARE(prompter.shown.size(), 1);

        launcher.failingPrograms.insert("/usr/bin/" + tools.last());
        about.startSystemInfo();
        QCOMPARE(prompter.shown.size(), 2);
        QCOMPARE(prompter.shown[1].text, unavailable);
    }

    void helpOpensTheFileWhateverItsCase()
    {
        StoreFixture store;
        FakeLauncher launcher;
        FakePrompter prompter;
        const QString folder = store.dir.filePath(QStringLiteral("HELP FILE"));
        QVERIFY(QDir().mkpath(folder));
        writeBytes(folder + QStringLiteral("/helpfile.CHM"), "ITSF");
        QVERIFY(openHelpFile(store.dir.path(), launcher, prompter));
        QCOMPARE(launcher.opened, QStringList{ folder + QStringLiteral("/helpfile.CHM") });
        QVERIFY(prompter.shown.isEmpty());

        launcher.documentsOpen = false;
        QVERIFY(!openHelpFile(store.dir.path(), launcher, prompter));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY(prompter.shown[0].text.contains(QStringLiteral("could not be opened")));
    }

    void installedHelpFileServesAProgramDirWithoutOne()
    {
        // An installed program's ProgramDir is the user's data folder; the help lives among the shared data folders.
        QTemporaryDir shared;
        StoreFixture store;
        const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
        const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
        const QString savedName = QCoreApplication::applicationName();
        qputenv("XDG_DATA_HOME", QFile::encodeName(shared.filePath(QStringLiteral("home"))));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(shared.filePath(QStringLiteral("none")) + ':' + shared.path()));
        QCoreApplication::setApplicationName(QStringLiteral("Brevora"));
        auto restore = qScopeGuard([&] {
            savedHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", savedHome);
            savedDirs.isNull() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", savedDirs);
            QCoreApplication::setApplicationName(savedName);
        });
        const QString installed = shared.filePath(QStringLiteral("Brevora/Help file/Helpfile.chm"));
        QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
        writeBytes(installed, "ITSF");

        FakeLauncher launcher;
        FakePrompter prompter;
        QVERIFY(openHelpFile(store.dir.path(), launcher, prompter));
        QCOMPARE(launcher.opened, QStringList{ installed });

        // One beside the program comes first.
        const QString own = store.dir.filePath(QStringLiteral("Help file/Helpfile.chm"));
        QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        writeBytes(own, "ITSF");
        QCOMPARE(helpFilePath(store.dir.path()), own);
        QVERIFY(prompter.shown.isEmpty());
    }

    void missingHelpFileIsToldNotLaunched()
    {
        StoreFixture store;
        FakeLauncher launcher;
        FakePrompter prompter;
        QVERIFY(!openHelpFile(store.dir.path(), launcher, prompter));
        QVERIFY(launcher.opened.isEmpty());
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Brevora"));
        QVERIFY(prompter.shown[0].text.contains(
            QDir::toNativeSeparators(store.dir.filePath(QStringLiteral("Help file/Helpfile.chm")))));
    }
};

QTEST_MAIN(TestAboutAndHelp)
#include "tst_aboutandhelp.moc"
