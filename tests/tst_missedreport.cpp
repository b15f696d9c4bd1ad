// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "fakenotifier.h"

#include "core/settings/lastrunning.h"
#include "core/store/safesave.h"
#include "fakesleepwatch.h"
#include "fakewaker.h"
#include "scheduler/missedwatch.h"
#include "scheduler/scheduler.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/missedreport.h"
#include "ui/notices/noticeboard.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

#include <ctime>

using namespace brevora;
using namespace brevora::test;

namespace {

const QString stateFile(const StoreFixture &store)
{
    return store.dir.filePath("Program files/last-running");
}

// Where the moment goes when the first file cannot be written, kept inside the test's own store.
const QString fallbackFile(const StoreFixture &store)
{
    return store.dir.filePath("state/last-running-0123");
}

void putDaily(const StoreFixture &store, int hour, int minute, const QString &text)
{
    writeBytes(store.layout.activePath(AlarmKind::Daily, QStringLiteral("%1-%2.alm").arg(hour).arg(minute)),
               formatAlarmLine({ text, noSound, QString::number(hour), QString::number(minute) }));
}

void putPassedOnce(const StoreFixture &store)
{
    writeBytes(store.layout.activePath(AlarmKind::Once, "3-2-2007_9-0.alm"),
               formatAlarmLine({ "Dentist", noSound, "3", "2", "2007", "9", "0" }));
}

struct Rig
{
    StoreFixture store;
    FakeClock clock;
    FakeNotifier notifier;
    FakePrompter prompter;
    MissedAlarmReport report{ notifier, prompter };
    std::unique_ptr<MissedWatch> watch = startWatch();

    // A watch on the store and its state files, as the program starts one, telling the report what it finds.
    std::unique_ptr<MissedWatch> startWatch()
    {
        auto started
            = std::make_unique<MissedWatch>(store.layout, QStringList{ stateFile(store), fallbackFile(store) }, clock);
        QObject::connect(started.get(), &MissedWatch::found, &report, &MissedAlarmReport::present);
        return started;
    }
};

} // namespace

class MissedReportTest : public QObject
{
    Q_OBJECT
private slots:
    void oneNotificationOrTheBox_data()
    {
        QTest::addColumn<bool>("serverAnswers");
        QTest::newRow("a notification server took it") << true;
        QTest::newRow("no server: a message box") << false;
    }

    void oneNotificationOrTheBox()
    {
        QFETCH(bool, serverAnswers);
        Rig rig;
        rig.notifier.serverAnswers = serverAnswers;
        putPassedOnce(rig.store);
        putDaily(rig.store, 7, 5, "Wake up");
        putDaily(rig.store, 8, 0, "Not yet");
        QVERIFY(writeLastRunning(stateFile(rig.store), QDateTime(QDate(2007, 2, 2), QTime(12, 0))));
        rig.watch->checkAtStart();

        QCOMPARE(rig.notifier.posts.size(), 1);
        const FakeNotifier::Post &post = rig.notifier.posts.first();
        QCOMPARE(post.key, "missed");
        QCOMPARE(post.summary, "3 alarms were missed");
        const QStringList lines = post.body.split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].endsWith("Once  Dentist"), qPrintable(lines[0]));
        QVERIFY2(lines[1].endsWith("Once a day  Not yet"), qPrintable(lines[1]));
        QVERIFY2(lines[2].endsWith("Once a day  Wake up"), qPrintable(lines[2]));
        if (serverAnswers) {
            QVERIFY(rig.prompter.shown.isEmpty());
        } else {
            QCOMPARE(rig.prompter.shown.size(), 1);
            QCOMPARE(rig.prompter.shown[0].title, "Missed alarms");
            QVERIFY(rig.prompter.shown[0].text.endsWith(post.body));
        }
        // Counted from now on: the same minutes are not reported again.
        QCOMPARE(readLastRunning(stateFile(rig.store)), rig.clock.now());
        rig.watch->checkAfterJump();
        QCOMPARE(rig.notifier.posts.size(), 1);
    }

    void tenLinesThenHowManyMore()
    {
        Rig rig;
        putDaily(rig.store, 7, 5, "Wake up");
        QVERIFY(writeLastRunning(stateFile(rig.store), QDateTime(QDate(2007, 1, 20), QTime(12, 0))));
        rig.watch->checkAtStart();
        QCOMPARE(rig.notifier.posts.size(), 1);
        QCOMPARE(rig.notifier.posts[0].summary, "14 alarms were missed");
        const QStringList lines = rig.notifier.posts[0].body.split(u'\n');
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.last(), "and 4 more");
        // Today's first, and to the minute, as the notice's notification says it.
        QCOMPARE(lines[0], QLocale().toString(QDate(2007, 2, 3), QLocale::ShortFormat) + " 07:05  Once a day  Wake up");
        QVERIFY(lines[9].startsWith(QLocale().toString(QDate(2007, 1, 25), QLocale::ShortFormat) + " 07:05  "));
    }

    // Nothing to say: no notification, no box, and the moment is kept all the same.
    void silence_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // "-" for no file
        QTest::addColumn<QDateTime>("moment"); // written instead of the bytes when valid
        QTest::newRow("state file missing") << QByteArray("-") << QDateTime();
        QTest::newRow("state file damaged") << QByteArray("\x01garbage") << QDateTime();
        QTest::newRow("state file in the future (the clock was ahead)")
            << QByteArray() << QDateTime(QDate(2007, 3, 1), QTime(0, 0));
        QTest::newRow("watched a minute ago") << QByteArray() << QDateTime(QDate(2007, 2, 3), QTime(13, 58, 59));
    }

    void silence()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QDateTime, moment);
        Rig rig;
        putDaily(rig.store, 7, 5, "Wake up");
        putDaily(rig.store, 13, 59, "now");
        if (moment.isValid())
            QVERIFY(writeLastRunning(stateFile(rig.store), moment));
        else if (bytes != "-")
            writeBytes(stateFile(rig.store), bytes);
        rig.watch->checkAtStart();
        QVERIFY(rig.notifier.posts.isEmpty());
        QVERIFY(rig.prompter.shown.isEmpty());
        // Kept as now, also over a moment ahead of the clock, which would otherwise hide every miss until the clock
        // caught up with it.
        QCOMPARE(readLastRunning(stateFile(rig.store)), std::optional<QDateTime>(rig.clock.now()));
    }

    // Each occurrence is told once: a later start, or the clock set back and forward again over an alarm that
    // was shown, reports nothing; passed one-time alarms only when no run was ever recorded.
    void nothingIsReportedTwice_data()
    {
        QTest::addColumn<bool>("recorded");
        QTest::newRow("no record of a run") << false;
        QTest::newRow("a recorded run") << true;
    }
    void nothingIsReportedTwice()
    {
        QFETCH(bool, recorded);
        Rig rig;
        putPassedOnce(rig.store);
        putDaily(rig.store, 14, 0, "Tea");
        if (recorded)
            QVERIFY(writeLastRunning(stateFile(rig.store), QDateTime(QDate(2007, 2, 3), QTime(8, 0))));
        rig.watch->checkAtStart();
        QCOMPARE(rig.notifier.posts.size(), 1); // the Dentist at 9:00, missed either way
        rig.clock.set(2007, 2, 3, 14, 0, 5);
        rig.watch->noteWatching(true); // the 14:00 alarm was handed over
        rig.clock.jump(QDateTime(QDate(2007, 2, 3), QTime(13, 0)));
        rig.watch->checkAfterJump();
        rig.clock.jump(QDateTime(QDate(2007, 2, 3), QTime(15, 0)));
        rig.watch->checkAfterJump();
        QCOMPARE(rig.notifier.posts.size(), 1);

        const auto nextStart = rig.startWatch();
        nextStart->checkAtStart();
        QCOMPARE(rig.notifier.posts.size(), 1);
    }

    // An idle program writes nothing; the file names itself once when it cannot be written.
    void keptOnlyWhenSomethingHappens()
    {
        Rig rig;
        rig.watch->checkAtStart();
        const auto atStart = readLastRunning(stateFile(rig.store));
        rig.clock.set(2007, 2, 3, 14, 5, 0);
        rig.watch->noteWatching(false);
        QCOMPARE(readLastRunning(stateFile(rig.store)), atStart);

        QVERIFY(QFile::remove(stateFile(rig.store)));
        QVERIFY(QDir().mkpath(stateFile(rig.store))); // a folder where the file should be
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("cannot write .*last-running, so it keeps .* in "
                                                ".*last-running-0123"));
        rig.watch->noteWatching(true);
        QCOMPARE(readLastRunning(fallbackFile(rig.store)), rig.clock.now());
        rig.clock.set(2007, 2, 3, 14, 6, 0);
        rig.watch->noteWatching(true); // said once
        QCOMPARE(readLastRunning(fallbackFile(rig.store)), rig.clock.now());

        QVERIFY(QFile::remove(fallbackFile(rig.store)));
        QVERIFY(QDir().mkpath(fallbackFile(rig.store)));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("cannot write .*last-running nor .*last-running-0123: "
                                                "the next start will"));
        rig.clock.set(2007, 2, 3, 14, 7, 0);
        rig.watch->noteWatching(true);
        rig.clock.set(2007, 2, 3, 14, 8, 0);
        rig.watch->noteWatching(true); // said once
    }

    // With its first place unwritable, the moment kept in the second spares the next start the same list.
    void anUnwritableStateFileRepeatsNothing()
    {
        Rig rig;
        putPassedOnce(rig.store);
        QVERIFY(QDir().mkpath(stateFile(rig.store)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*, so it keeps"));
        rig.watch->checkAtStart();
        QCOMPARE(rig.notifier.posts.size(), 1);
        rig.clock.set(2007, 2, 3, 14, 30, 0);
        const auto nextStart = rig.startWatch();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*, so it keeps"));
        nextStart->checkAtStart();
        QCOMPARE(rig.notifier.posts.size(), 1);
        // The first place holds an older moment once it can be written again: the later one counts.
        QVERIFY(QDir().rmdir(stateFile(rig.store)));
        QVERIFY(writeLastRunning(stateFile(rig.store), QDateTime(QDate(2007, 2, 1), QTime(8, 0))));
        QCOMPARE(readLastRunning(QStringList{ stateFile(rig.store), fallbackFile(rig.store) }), rig.clock.now());
    }

    // The whole program: the report at the start, nothing written at an idle minute, the moment kept when a folder
    // changes, the report after a jump; the state file's save temporaries are cleaned at the start.
    void runningProgram()
    {
        AppFixture program;
        FakeNotifier &notifier = program.fakes.notifier;
        putPassedOnce(program.store);
        const QString leftover = saveTemporaryPath(stateFile(program.store));
        writeBytes(leftover, "2007");
        program.startAndSkipSplash();
        QVERIFY(!QFile::exists(leftover));
        QCOMPARE(notifier.posts.size(), 1);
        QVERIFY(notifier.posts[0].body.contains("Dentist"));
        QCOMPARE(readLastRunning(stateFile(program.store)), program.clock.now());
        program.app->mainWindow().hide();
        emit notifier.activated(notifier.posts[0].key);
        QVERIFY(program.app->windows().mainWindowVisible());

        const auto atStart = readLastRunning(stateFile(program.store));
        program.clock.set(2007, 2, 3, 14, 0, 0);
        QTest::qWait(50);
        QCOMPARE(readLastRunning(stateFile(program.store)), atStart);

        // Asleep overnight: the daily alarm's morning went by unwatched.
        putDaily(program.store, 7, 5, "Wake up");
        QTRY_COMPARE(readLastRunning(stateFile(program.store)), program.clock.now());
        program.clock.jump(QDateTime(QDate(2007, 2, 4), QTime(9, 30, 20)));
        QTRY_COMPARE(notifier.posts.size(), 2);
        QCOMPARE(notifier.posts[1].summary, "An alarm was missed");
        QVERIFY(notifier.posts[1].body.endsWith("Once a day  Wake up"));
        QCOMPARE(readLastRunning(stateFile(program.store)), program.clock.now());
    }

    // A stop across alarms' minutes: the minute the program lands in is shown, the skipped ones are told, also
    // when a folder's change is heard before the late wake-up.
    void aStallShowsTheLandingMinuteAndTellsTheSkipped_data()
    {
        QTest::addColumn<bool>("strayFile");
        QTest::newRow("nothing else") << false;
        QTest::newRow("a file written meanwhile") << true;
    }
    void aStallShowsTheLandingMinuteAndTellsTheSkipped()
    {
        QFETCH(bool, strayFile);
        AppFixture program;
        putDaily(program.store, 14, 0, "Skipped");
        putDaily(program.store, 14, 1, "Landed on");
        program.clock.set(2007, 2, 3, 13, 59, 55);
        program.startAndSkipSplash();
        QTest::qWait(20);
        if (strayFile) {
            writeBytes(program.store.layout.activePath(AlarmKind::Weekly, "notes.txt"), "stray");
            program.clock.passUnheard(QDateTime(QDate(2007, 2, 3), QTime(14, 1, 10)));
        } else {
            program.clock.set(2007, 2, 3, 14, 1, 10);
        }
        QTRY_COMPARE(program.fakes.notifier.posts.size(), 2);
        const auto &missed = program.fakes.notifier.posts[0];
        QCOMPARE(missed.summary, QString("An alarm was missed"));
        QVERIFY2(missed.body.endsWith("Once a day  Skipped"), qPrintable(missed.body));
        QCOMPARE(program.app->notices().notices().size(), 1);
        QCOMPARE(program.app->notices().notices().first()->occurrence().text(), QString("Landed on"));
    }

    // A change of time zone moves every wall time but no instant: nothing is reported that was never due, the
    // kept moment follows real time, and the next alarm rings at the new zone's wall time.
    void aZoneChangeMovesWallTimesNotInstants_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QTime>("next");
        QTest::newRow("east, Berlin to Tokyo") << QByteArray("Asia/Tokyo") << QTime(22, 1);
        QTest::newRow("west, Berlin to New York") << QByteArray("America/New_York") << QTime(8, 1);
    }
    void aZoneChangeMovesWallTimesNotInstants()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QTime, next);
        const QByteArray before = qgetenv("TZ");
        const auto inZone = [](const QByteArray &name) {
            qputenv("TZ", name);
            tzset();
        };
        const auto restore = qScopeGuard([&] { inZone(before); });
        inZone("Europe/Berlin");
        AppFixture program;
        // Wall times between Berlin's and the other zone's that no instant of this run reaches.
        putDaily(program.store, 15, 0, "Never due");
        putDaily(program.store, 20, 0, "Never due either");
        putDaily(program.store, 7, 0, "Nor this");
        putDaily(program.store, next.hour(), next.minute(), "Next");
        program.clock.set(2007, 2, 3, 13, 59, 55);
        program.startAndSkipSplash();
        program.clock.set(2007, 2, 3, 14, 0, 10);
        const qint64 instant = program.clock.now().toMSecsSinceEpoch();

        inZone(zone);
        program.clock.jump(QDateTime::fromMSecsSinceEpoch(instant));
        QTest::qWait(20);
        QCOMPARE(program.fakes.notifier.posts.size(), 0);
        const QDateTime due(program.clock.now().date(), next);
        QCOMPARE(program.app->scheduler().wakeMoments(), QList<QDateTime>{ due });
        program.clock.set(due.addSecs(5));
        QTRY_COMPARE(program.app->notices().notices().size(), 1);
        QCOMPARE(program.app->notices().notices().first()->occurrence().text(), QString("Next"));
        for (const auto &post : program.fakes.notifier.posts)
            QVERIFY2(!post.summary.contains("missed"), qPrintable(post.summary));
        QCOMPARE(readLastRunning(stateFile(program.store)), std::optional<QDateTime>(program.clock.now()));
    }

    // Before a sleep the handled moment is written, and the computer let go; at the resume what fell due meanwhile
    // is told at once, not at the next wake-up of the checks.
    void aSleepIsWrittenDownAndTheResumeToldAtOnce()
    {
        AppFixture program;
        FakeSleepWatch sleep;
        putDaily(program.store, 15, 0, "While asleep");
        program.app->watchSleep(sleep);
        program.startAndSkipSplash();
        QVERIFY(sleep.holdsLock());
        program.clock.set(2007, 2, 3, 14, 30, 10); // idle: nothing written
        QTest::qWait(10);
        emit sleep.aboutToSleep();
        QCOMPARE(sleep.readyCalls, 1);
        QCOMPARE(readLastRunning(stateFile(program.store)), std::optional<QDateTime>(program.clock.now()));

        program.clock.passUnheard(QDateTime(QDate(2007, 2, 3), QTime(16, 0, 0)));
        emit sleep.resumed();
        QCOMPARE(program.fakes.notifier.posts.size(), 1);
        QVERIFY2(program.fakes.notifier.posts[0].body.endsWith("Once a day  While asleep"),
                 qPrintable(program.fakes.notifier.posts[0].body));
    }

    // Before a sleep the computer will not be woken from, the alarms of the next twelve hours are named, as the
    // report on the return will list them; a helper that wakes the computer is told the next one instead.
    void aSleepNamesTheAlarmsThatWaitForTheReturn_data()
    {
        QTest::addColumn<bool>("canWake");
        QTest::addColumn<QList<int>>("dueHours"); // daily alarms at these hours, the clock at 14:30
        QTest::addColumn<QStringList>("lines"); // the ends of the named lines, empty when nothing is posted
        QTest::newRow("one ahead") << false << QList<int>{ 15, 3 } << QStringList{ "15:00  Once a day  At 15" };
        QTest::newRow("beyond twelve hours") << false << QList<int>{ 3 } << QStringList{};
        QTest::newRow("a handful, then more")
            << false << QList<int>{ 15, 16, 17, 18, 19, 20, 21 }
            << QStringList{ "15:00  Once a day  At 15", "16:00  Once a day  At 16", "17:00  Once a day  At 17",
                            "18:00  Once a day  At 18", "19:00  Once a day  At 19", "and 2 more" };
        QTest::newRow("woken") << true << QList<int>{ 15 } << QStringList{};
    }

    void aSleepNamesTheAlarmsThatWaitForTheReturn()
    {
        QFETCH(bool, canWake);
        QFETCH(QList<int>, dueHours);
        QFETCH(QStringList, lines);
        AppFixture program;
        FakeSleepWatch sleep;
        FakeWaker waker(canWake);
        for (int hour : dueHours)
            putDaily(program.store, hour, 0, QStringLiteral("At %1").arg(hour));
        program.app->watchSleep(sleep);
        program.app->wakeWith(waker);
        program.startAndSkipSplash();
        program.clock.set(2007, 2, 3, 14, 30, 10);
        QTest::qWait(10);
        emit sleep.aboutToSleep();
        QCOMPARE(sleep.readyCalls, 1);
        QStringList named;
        for (const FakeNotifier::Post &post : std::as_const(program.fakes.notifier.posts)) {
            if (post.key == "sleep")
                named.append(post.body.split(u'\n'));
        }
        if (canWake)
            QCOMPARE(waker.moments, QList<QDateTime>{ QDateTime(QDate(2007, 2, 3), QTime(15, 0)) });
        if (lines.isEmpty()) {
            QVERIFY2(named.isEmpty(), qPrintable(named.join(u'\n')));
            return;
        }
        QCOMPARE(named.size(), lines.size() + 1); // and the word that they are told on the return
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(named[i].endsWith(lines[i]), qPrintable(named[i]));
    }
};

QTEST_MAIN(MissedReportTest)
#include "tst_missedreport.moc"
