// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"

#include "core/names/alarmname.h"
#include "scheduler/scheduler.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/noticeboard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

namespace {

QAction *menuItem(Application &app, const char *name)
{
    return app.mainWindow().findChild<QAction *>(QString::fromLatin1(name));
}

QWidget *visibleWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

// The program as its windows meet: menus that open the other windows, the delete commands on the store, and
// due alarms reaching their notices.
class TestRunning : public QObject
{
    Q_OBJECT

private slots:
    void menusOpenTheirWindows()
    {
        AppFixture program;
        program.startAndSkipSplash();
        Application &app = *program.app;

        menuItem(app, "Nuevo")->trigger();
        QVERIFY(visibleWindow("Form2"));
        QVERIFY(!app.windows().mainWindowVisible());

        app.windows().showMainWindow();
        menuItem(app, "Opciones")->trigger();
        QVERIFY(visibleWindow("frmOptions"));
        menuItem(app, "Acercade")->trigger();
        QVERIFY(visibleWindow("frmAbout"));

        // No help file in this ProgramDir: the user is told, nothing is launched, the program goes on.
        menuItem(app, "ayuda")->trigger();
        QVERIFY(program.fakes.launcher.opened.isEmpty());
        QCOMPARE(program.prompter.shown.size(), 1);
        QVERIFY(program.prompter.shown[0].text.contains("Helpfile.chm"));
        QCOMPARE(program.programEnd.ends, 0);
    }

    void deleteAllOfTypeEmptiesTheListedKind()
    {
        AppFixture program;
        writeBytes(program.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), "\"a\",\"ninguno\",\"7\",\"5\"\r\n");
        writeBytes(program.store.layout.activePath(AlarmKind::Once, "1-1-2030_8-0.alm"),
                   "\"c\",\"ninguno\",\"1\",\"1\",\"2030\",\"8\",\"0\"\r\n");
        program.startAndSkipSplash();
        // Set aside after start-up, which would have returned it.
        writeBytes(program.store.layout.pastPath(AlarmKind::Daily, "8-0.alm"), "\"b\",\"ninguno\",\"8\",\"0\"\r\n");
        MainWindow &window = program.app->mainWindow();
        auto *kinds = window.findChild<QComboBox *>("Combo1");
        const int daily = kinds->findText("Once a day");
        kinds->setCurrentIndex(daily);
        emit kinds->activated(daily); // as a choice from the box's list
        QCOMPARE(window.alarmList()->count(), 1);

        program.prompter.answers = { QMessageBox::No };
        menuItem(*program.app, "borrartodo")->trigger();
        QVERIFY(QFile::exists(program.store.layout.activePath(AlarmKind::Daily, "7-5.alm")));

        program.prompter.answers = { QMessageBox::Yes };
        menuItem(*program.app, "borrartodo")->trigger();
        QCOMPARE(program.prompter.shown.last().title, QString("Confirm the elimination"));
        QVERIFY(QDir(program.store.layout.activeFolder(AlarmKind::Daily)).isEmpty());
        QVERIFY(QDir(program.store.layout.pastFolder(AlarmKind::Daily)).isEmpty());
        QVERIFY(!QDir(program.store.layout.activeFolder(AlarmKind::Once)).isEmpty());
        QCOMPARE(window.alarmList()->count(), 0);
    }

    void aDueAlarmPlaysAndAnUnsavedPastSettingDismissesIt()
    {
        AppFixture program;
        const QString path = program.store.layout.activePath(AlarmKind::Daily, "14-0.alm");
        writeBytes(path, "\"Stretch\",\"/sounds/gong.wav\",\"14\",\"0\"\r\n");
        writeBytes(program.store.layout.settingsFolder() + "/past.bvr", "#FALSE#\r\n");
        program.startAndSkipSplash();

        // Past off in the files, switched on in the dialog and not saved: the notice follows the box.
        QVERIFY(!program.app->state().settings.past);
        program.app->windows().showOptions();
        QTest::qWait(20); // the dialog reloads its boxes from the files when it comes forward
        auto *past = visibleWindow("frmOptions")->findChild<QCheckBox *>("Check3");
        past->click();
        QVERIFY(program.app->state().settings.past);

        program.clock.set(2007, 2, 3, 14, 0, 5);
        QTRY_VERIFY(visibleWindow("Form10"));
        QCOMPARE(program.fakes.sound.syncPlays, QStringList{ "/sounds/gong.wav" });
        program.clock.set(2007, 2, 3, 14, 1, 0);
        QTRY_VERIFY(!visibleWindow("Form10"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(program.store.layout.pastPath(AlarmKind::Daily, "14-0.alm")));
    }

    void aNoticeClosedByTheWindowManagerComesBackWithItsSound()
    {
        AppFixture program;
        program.clock.set(2007, 2, 3, 14, 0, 5);
        writeBytes(program.store.layout.activePath(AlarmKind::Daily, "14-0.alm"),
                   "\"Stretch\",\"/sounds/gong.wav\",\"14\",\"0\"\r\n");
        program.startAndSkipSplash();
        QTRY_VERIFY(visibleWindow("Form10"));
        QVERIFY(visibleWindow("Form10")->close());
        // Nothing but the closing wakes the checks here: the clock stands still.
        QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("Form10"), 1000);
        QCOMPARE(program.fakes.sound.syncPlays, (QStringList{ "/sounds/gong.wav", "/sounds/gong.wav" }));
    }

    void exitLeavesAnOpenNoticeUnacknowledged()
    {
        auto program = std::make_unique<AppFixture>();
        program->clock.set(2007, 2, 3, 14, 0, 5);
        const QString path
            = program->store.layout.activePath(AlarmKind::Once, dueFileName(AlarmKind::Once, program->clock));
        writeBytes(path, "\"Leave\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\",\"0\"\r\n");
        program->startAndSkipSplash();
        QTRY_VERIFY(visibleWindow("Form9"));

        menuItem(*program->app, "Salir")->trigger();
        QCOMPARE(program->programEnd.ends, 1);
        program->app.reset(); // what leaving the event loop does to the windows
        QVERIFY(QFile::exists(path));
        QVERIFY(!visibleWindow("Form9"));
    }
};

QTEST_MAIN(TestRunning)
#include "tst_running.moc"
