// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "fakeclock.h"
#include "fakeplatform.h"
#include "fakeprompter.h"
#include "storefixture.h"

#include "app/application.h"
#include "core/names/alarmname.h"
#include "scheduler/scheduler.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/shell/closingword.h"
#include "ui/shell/wakeword.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/kindchooser.h"
#include "ui/wizard/newalarmwizard.h"
#include "ui/wizard/soundchooser.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace brevora;
using namespace brevora::test;

namespace {

// Notes, when the "Files missing" box comes up, how far start-up has got.
class ProbingPrompter final : public Prompter
{
public:
    std::function<void()> probe;
    int asked = 0;
    QMessageBox::StandardButton ask(QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                    QMessageBox::StandardButtons) override
    {
        ++asked;
        probe();
        return QMessageBox::Ok;
    }
};

class RecordingSink final : public NoticeSink
{
public:
    std::function<void(const Occurrence &)> onAlarm;
    void showDueAlarm(const Occurrence &alarm) override { onAlarm(alarm); }
};

} // namespace

// Start-up as a whole, in a ProgramDir of its own.
class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void firstStartInAnEmptyFolderLaysOutTheTree()
    {
        QTemporaryDir dir;
        FakeClock clock(QDateTime(QDate(2007, 2, 4), QTime(13, 59, 58)));
        FakePlatform fakes;
        FakePrompter &prompter = fakes.prompter;
        Application app(dir.path(), clock, fakes.platform());
        app.start();

        for (const char *folder : { "Events/Once", "Events/Day", "Events/Week", "Events/Month", "Events/Year",
                                    "Events/Past/Day", "Events/Past/Week", "Events/Past/Month", "Events/Past/Year" })
            QVERIFY2(QFileInfo(dir.filePath(folder)).isDir(), folder);
        QCOMPARE(readBytes(dir.filePath("Program files/Settings/past.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(readBytes(dir.filePath("Program files/Settings/startup.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(dir.filePath("Program files/Settings/hide.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Files missing"));
        QCOMPARE(app.state().settings, (LiveSettings{ true, false, false, false }));
        QCOMPARE(app.state().layout.basePath(), QDir::cleanPath(dir.path()) + u'/');

        QVERIFY(app.scheduler().isStarted());
        QVERIFY(app.scheduler().minuteAlarm().isArmed());
        auto *weekday = app.mainWindow().findChild<QLabel *>(QStringLiteral("Label4"));
        QVERIFY(weekday);
        QCOMPARE(weekday->text(), QStringLiteral("Sunday"));
    }

    void aLaterStartReturnsWaitingAlarmsAndSaysNothing()
    {
        QTemporaryDir dir;
        FakeClock clock;
        {
            FakePlatform fakes;
            Application first(dir.path(), clock, fakes.platform());
            first.start();
        }
        StoreLayout layout(dir.path());
        writeBytes(layout.pastPath(AlarmKind::Daily, "7-5.alm"), "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        // Acknowledged in this very minute before a restart: back now, it would fire a second time.
        const QString justAcknowledged = layout.pastPath(AlarmKind::Daily, "13-59.alm");
        writeBytes(justAcknowledged, "\"y\",\"ninguno\",\"13\",\"59\"\r\n");
        writeBytes(dir.filePath("Program files/Settings/hide.bvr"), "#TRUE#\r\n");
        // Temporaries of saves killed halfway: gone, and none "returned" as an alarm.
        const QStringList leftovers{ layout.pastPath(AlarmKind::Daily, ".7-5.alm.brevora-save-pANMVD"),
                                     dir.filePath("Program files/Settings/.past.bvr.brevora-save-YbZpcU") };
        writeBytes(leftovers[0], "\"x\"");
        writeBytes(leftovers[1], "#FA");

        FakePlatform fakes;
        FakePrompter &prompter = fakes.prompter;
        Application second(dir.path(), clock, fakes.platform());
        second.start();
        QVERIFY(prompter.shown.isEmpty());
        QVERIFY(QFile::exists(layout.activePath(AlarmKind::Daily, "7-5.alm")));
        QVERIFY(!QFile::exists(layout.pastPath(AlarmKind::Daily, "7-5.alm")));
        QVERIFY(QFile::exists(justAcknowledged));
        QCOMPARE(QDir(layout.activeFolder(AlarmKind::Daily)).entryList(QDir::Files), QStringList{ "7-5.alm" });
        QCOMPARE(QDir(layout.settingsFolder()).entryList(QDir::Files).size(), 4);
        QCOMPARE(second.state().settings.hide, true);
        for (const QString &leftover : leftovers)
            QVERIFY2(!QFile::exists(leftover), qPrintable(leftover));
    }

    // The first close while alarms wait says once, in a notification, that nothing rings until the next start; the
    // program ends only once the desktop took it. A later close, in this run or another, ends at once.
    void theFirstCloseWhileAlarmsWaitSaysSoOnce_data()
    {
        QTest::addColumn<QString>("alarm");
        QTest::addColumn<bool>("said");
        QTest::newRow("none") << QString() << false;
        QTest::newRow("an active daily alarm") << "Events/Day/7-5.alm" << true;
        QTest::newRow("one waiting to come back") << "Events/Past/Week/Monday_7-5.alm" << true;
        QTest::newRow("a one-time alarm that has passed") << "Events/Once/1-1-2007_7-5.alm" << false;
    }

    void theFirstCloseWhileAlarmsWaitSaysSoOnce()
    {
        QFETCH(QString, alarm);
        QFETCH(bool, said);
        StoreFixture store;
        if (!alarm.isEmpty())
            writeBytes(store.dir.filePath(alarm), "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        for (int run = 0; run < 2; ++run) {
            FakeClock clock;
            FakePlatform fakes;
            Application app(store.dir.path(), clock, fakes.platform());
            app.start();
            app.splashWindow().handOver();
            fakes.notifier.posts.clear();
            app.windows().showMainWindow();
            QVERIFY(app.mainWindow().close());
            QVERIFY(!app.mainWindow().isVisible());
            const bool sayNow = said && run == 0;
            QCOMPARE(fakes.notifier.posts.size(), sayNow ? 1 : 0);
            if (sayNow) {
                QVERIFY2(fakes.notifier.posts[0].body.contains("until Brevora starts again"),
                         qPrintable(fakes.notifier.posts[0].body));
                QCOMPARE(fakes.programEnd.ends, 0);
            }
            QTRY_COMPARE(fakes.programEnd.ends, 1);
            // Closed again before the program is gone: no second word.
            app.mainWindow().show();
            QVERIFY(app.mainWindow().close());
            QCOMPARE(fakes.notifier.posts.size(), sayNow ? 1 : 0);
        }
    }

    // A log-on entry an earlier version wrote, or one a save of the options left out of step with the setting (a
    // kill between the two), is renewed at the start as the settings say, and only then; only a disagreement is
    // told, once. An entry that starts another copy is that copy's: this one's start leaves it be.
    void aLogonEntryOutOfStepIsRenewedAtStart_data()
    {
        QTest::addColumn<bool>("startup");
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<int>("registered"); // -1: cannot be told
        QTest::addColumn<bool>("renewed");
        QTest::addColumn<bool>("anotherCopy");
        QTest::newRow("earlier, on") << true << true << -1 << false << false;
        QTest::newRow("earlier, off") << false << true << -1 << false << false;
        QTest::newRow("on without an entry") << true << false << 0 << true << false;
        QTest::newRow("off with an entry") << false << false << 1 << true << false;
        QTest::newRow("agreeing") << true << false << 1 << false << false;
        QTest::newRow("off, another copy's entry") << false << false << 1 << false << true;
    }
    void aLogonEntryOutOfStepIsRenewedAtStart()
    {
        QFETCH(bool, startup);
        QFETCH(bool, earlier);
        QFETCH(int, registered);
        QFETCH(bool, renewed);
        QFETCH(bool, anotherCopy);
        AppFixture program;
        program.fakes.logonStart.anotherCopy = anotherCopy;
        writeBytes(program.store.layout.settingsFolder() + "/startup.bvr", startup ? "#TRUE#\r\n" : "#FALSE#\r\n");
        program.fakes.logonStart.earlier = earlier;
        if (registered >= 0)
            program.fakes.logonStart.registration = registered == 1;
        program.startAndSkipSplash();
        QCOMPARE(program.fakes.logonStart.calls, earlier || renewed ? QList<bool>{ startup } : QList<bool>());
        QCOMPARE(program.fakes.prompter.shown.size(), renewed ? 1 : 0);
        if (renewed)
            QVERIFY(program.fakes.prompter.shown[0].text.contains(u"\"Run on startup\""));
    }

    // A folder of acknowledged alarms that is a link to a user's folder is not emptied into the alarms; the
    // start says so once, and the returns that follow every minute do not say it again.
    void aPastFolderLeadingOutsideIsReportedOnce()
    {
        AppFixture fixture;
        QTemporaryDir outside;
        const QString past = fixture.store.layout.pastFolder(AlarmKind::Daily);
        QVERIFY(QDir().rmdir(past));
        QVERIFY(QFile::link(outside.path(), past));
        writeBytes(outside.filePath("holiday.jpg"), "photo");

        fixture.app->start();
        QCOMPARE(fixture.prompter.shown.size(), 1);
        QCOMPARE(fixture.prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY2(fixture.prompter.shown[0].text.contains(QDir::toNativeSeparators(past)),
                 qPrintable(fixture.prompter.shown[0].text));
        fixture.app->scheduler().returnPastAlarms();
        QCOMPARE(fixture.prompter.shown.size(), 1);
        QVERIFY(QFile::exists(outside.filePath("holiday.jpg")));
        QVERIFY(!QFile::exists(fixture.store.layout.activePath(AlarmKind::Daily, "holiday.jpg")));
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        const QList<std::pair<const char *, const char *>> buttons{
            { "main", "Command1" }, { "kind chooser", "Command2" }, { "editor", "Command2" }, { "sound", "Command3" }
        };
        for (const auto &[window, button] : buttons) {
            QTest::addRow("%s Enter", window) << window << button << int(Qt::Key_Return);
            QTest::addRow("%s keypad Enter", window) << window << button << int(Qt::Key_Enter);
        }
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        AppFixture f;
        f.startAndSkipSplash();
        NewAlarmWizard &wizard = f.app->wizard();
        QWidget *shown = window == "main" ? static_cast<QWidget *>(&f.app->mainWindow())
            : window == "kind chooser"    ? static_cast<QWidget *>(wizard.kindChooser())
            : window == "editor"          ? static_cast<QWidget *>(wizard.editor(AlarmKind::Daily))
                                          : static_cast<QWidget *>(wizard.soundChooser());
        shown->show();
        QApplication::setActiveWindow(shown);
        auto *target = shown->findChild<QPushButton *>(button);
        target->setFocus();
        QVERIFY(target->hasFocus());
        QSignalSpy clicked(target, &QAbstractButton::clicked);
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicked.size(), 1);
    }

    // A second start of the program asks this copy to show itself, also when it runs hidden behind its icon.
    void anotherStartShowsTheHiddenProgram()
    {
        AppFixture f(true);
        f.startAndSkipSplash();
        QVERIFY(!f.app->windows().mainWindowVisible());
        f.app->showForAnotherStart();
        QVERIFY(f.app->windows().mainWindowVisible());
        QVERIFY(f.app->trayHost(TrayHost::Mode::Shown));
        QVERIFY(!f.app->trayHost(TrayHost::Mode::Hidden));
    }

    // The user was in the editor: a second start brings that forward, not the main window over it.
    void anotherStartBringsTheWizardPageTheUserWasIn()
    {
        AppFixture f;
        f.startAndSkipSplash();
        f.app->windows().startNewAlarm();
        QWidget *chooser = f.app->wizard().kindChooser();
        QVERIFY(chooser->isVisible());
        f.app->showForAnotherStart();
        QVERIFY(!f.app->windows().mainWindowVisible());
        QVERIFY(chooser->isVisible());
    }

    // Another start while start-up is still on screen (its "Files missing" box, then its splash) brings that
    // forward and leaves the main window, and its clock, to the splash's hand-over.
    void anotherStartDuringStartUpWaitsForTheSplash()
    {
        QTemporaryDir dir;
        FakeClock clock;
        ProbingPrompter prompter;
        FakePlatform fakes;
        Application app(
            dir.path(), clock,
            Platform{ prompter, fakes.programEnd, fakes.sound, fakes.launcher, fakes.logonStart, fakes.notifier },
            Application::Options{ true, 9 });
        prompter.probe = [&] {
            app.showForAnotherStart();
            QVERIFY(!app.windows().mainWindowVisible());
        };
        app.start();
        QCOMPARE(prompter.asked, 1);
        app.showForAnotherStart();
        QVERIFY(!app.windows().mainWindowVisible());
        QVERIFY(app.splashWindow().isVisible());
        QVERIFY(!app.scheduler().clockTimer()->isActive());
        app.splashWindow().handOver();
        QVERIFY(app.windows().mainWindowVisible());
        QVERIFY(!app.splashWindow().isVisible());
    }

    void anExistingTreeUnderOtherCaseIsUsed()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("events/day"));
        QVERIFY(QDir(dir.path()).mkpath("PROGRAM FILES/settings"));
        writeBytes(dir.filePath("events/day/7-5.alm"), "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        FakeClock clock;
        FakePlatform fakes;
        Application app(dir.path(), clock, fakes.platform());
        app.start();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{ "events", "PROGRAM FILES" }));
        QVERIFY(QFile::exists(dir.filePath("PROGRAM FILES/settings/past.bvr")));
        QVERIFY(QFileInfo(dir.filePath("events/Past/Day")).isDir());
        QCOMPARE(app.state().layout.activeFolder(AlarmKind::Daily), dir.filePath("events/day"));
    }

    void foldersThatCannotBeCreatedAreReported()
    {
        QTemporaryDir dir;
        // A file where the tree's root folder should be.
        writeBytes(dir.filePath("Events"), "in the way");
        FakeClock clock;
        FakePlatform fakes;
        FakePrompter &prompter = fakes.prompter;
        Application app(dir.path(), clock, fakes.platform());
        app.start();
        QVERIFY(!prompter.shown.isEmpty());
        QCOMPARE(prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY(prompter.shown[0].text.contains(QDir::toNativeSeparators(dir.filePath("Events/Once"))));
        // The rest still starts.
        QVERIFY(app.scheduler().isStarted());
        QVERIFY(QFile::exists(dir.filePath("Program files/Settings/past.bvr")));
    }

    void startUpRunsInItsOrder()
    {
        StoreFixture store;
        const QString waiting = store.layout.pastPath(AlarmKind::Daily, "7-5.alm");
        writeBytes(waiting, "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        FakeClock clock;
        ProbingPrompter prompter;
        FakePlatform fakes;
        Application app(
            store.dir.path(), clock,
            Platform{ prompter, fakes.programEnd, fakes.sound, fakes.launcher, fakes.logonStart, fakes.notifier },
            Application::Options{ true, 9 });
        prompter.probe = [&] {
            // The settings were repaired: the icon is there, nothing returned yet, and the checks run already, so
            // that no alarm waits for the box to be answered.
            QVERIFY(app.trayHost(TrayHost::Mode::Shown));
            QVERIFY(QFile::exists(waiting));
            QVERIFY(app.scheduler().isStarted());
            QVERIFY(!app.windows().mainWindowVisible());
        };
        app.start();
        QCOMPARE(prompter.asked, 1);
        QVERIFY(!QFile::exists(waiting));
        QVERIFY(QFile::exists(store.layout.activePath(AlarmKind::Daily, "7-5.alm")));
        QVERIFY(app.splashWindow().isVisible());
        QVERIFY(!app.windows().mainWindowVisible());
        QCOMPARE(app.mainWindow().findChild<QComboBox *>("Combo1")->count(), 5);
        // The clock ticks only once the main window is shown.
        QVERIFY(!app.scheduler().clockTimer()->isActive());
        QVERIFY(!app.trayHost(TrayHost::Mode::Hidden));
    }

    // That a sleeping computer will not be woken is said once for the store, with what allows it.
    void theWordThatTheComputerWillNotBeWokenIsSaidOnce()
    {
        StoreFixture store;
        FakeNotifier notifier;
        const QString mark = store.dir.filePath("state/wake-told");
        for (int start = 0; start < 2; ++start)
            WakeWord(notifier, OnceMark({ mark })).cannotWake("unable: EPERM", "/usr/lib/brevora/brevora-wake");
        QCOMPARE(notifier.posts.size(), 1);
        QVERIFY2(notifier.posts[0].body.contains("setcap cap_wake_alarm+ep /usr/lib/brevora/brevora-wake"),
                 qPrintable(notifier.posts[0].body));
        QVERIFY(QFile::exists(mark));
    }

    // A store whose own folder cannot be written keeps the marks of its once-said words in the user's state
    // folder: the word at the first close comes once, not at every close.
    void theClosingWordIsSaidOnceWhereTheStoreCannotBeWritten()
    {
        StoreFixture store;
        const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
        const auto restore = qScopeGuard(
            [&] { stateHome.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", stateHome); });
        qputenv("XDG_STATE_HOME", store.dir.filePath("state").toUtf8());
        QVERIFY(QDir().mkpath(store.dir.filePath("Program files/closing-told"))); // no file can be saved there
        FakeNotifier notifier;
        int ended = 0;
        ClosingWord first(notifier, closingToldMark(store.layout));
        first.closeThen(true, [&] { ++ended; });
        QTRY_COMPARE(ended, 1);
        ClosingWord second(notifier, closingToldMark(store.layout));
        second.closeThen(true, [&] { ++ended; });
        QCOMPARE(ended, 2);
        QCOMPARE(notifier.posts.size(), 1);
    }

    // A box at start-up waits for its answer while the checks run: an alarm due meanwhile shows at its minute.
    void anAlarmDueWhileAStartUpBoxWaitsShowsAtItsMinute()
    {
        StoreFixture store; // without its settings files, which start-up recreates and tells of in a box
        FakeClock clock(QDateTime(QDate(2007, 2, 3), QTime(13, 59, 58)));
        writeBytes(store.layout.activePath(AlarmKind::Daily, "14-0.alm"), "\"Tea\",\"ninguno\",\"14\",\"0\"\r\n");
        ProbingPrompter prompter;
        FakePlatform fakes;
        Application app(
            store.dir.path(), clock,
            Platform{ prompter, fakes.programEnd, fakes.sound, fakes.launcher, fakes.logonStart, fakes.notifier },
            Application::Options{ true, 9 });
        RecordingSink sink;
        QStringList seen;
        sink.onAlarm = [&](const Occurrence &alarm) { seen.append(alarm.text()); };
        app.scheduler().setNoticeSink(&sink);
        prompter.probe = [&] {
            clock.set(2007, 2, 3, 14, 0, 0);
            QTRY_VERIFY(!seen.isEmpty());
            QCOMPARE(seen.first(), QString("Tea"));
        };
        app.start();
        QCOMPARE(prompter.asked, 1);
        QVERIFY(!seen.isEmpty());
    }

    void anAlarmDueAtStartIsShownWhileTheSplashIsUp()
    {
        StoreFixture store;
        // Its settings in place: a box at start-up would start the checks before it (and the test above).
        for (Setting setting : { Setting::Past, Setting::Startup, Setting::Hide })
            writeSettingFile(store.layout.settingsFolder() + u'/' + settingFileName(setting), settingDefault(setting));
        FakeClock clock(QDateTime(QDate(2007, 2, 3), QTime(14, 0, 5)));
        writeBytes(store.layout.activePath(AlarmKind::Once, dueFileName(AlarmKind::Once, clock)),
                   "\"Call home\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\",\"0\"\r\n");
        FakePlatform fakes;
        Application app(store.dir.path(), clock, fakes.platform());
        RecordingSink sink;
        QStringList seen;
        sink.onAlarm = [&](const Occurrence &alarm) {
            if (seen.isEmpty())
                QVERIFY(app.splashWindow().isVisible());
            seen.append(alarm.text());
        };
        app.scheduler().setNoticeSink(&sink);
        app.start();
        QVERIFY(seen.isEmpty()); // the first tick comes after start-up has returned
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen.first(), QStringLiteral("Call home"));
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
