// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/settings/sharedstate.h"
#include "scheduler/folderwatch.h"
#include "scheduler/scheduler.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

using namespace brevora;
using namespace brevora::test;

namespace {

struct RecordingSink final : NoticeSink
{
    QList<Occurrence> shown;
    void showDueAlarm(const Occurrence &alarm) override { shown.append(alarm); }
};

// A watch on a system that refuses notifications for one folder.
class RefusingWatch final : public FolderWatch
{
public:
    QString refused;

protected:
    bool addWatch(const QString &path) override { return path != refused && FolderWatch::addWatch(path); }
};

// A watch that sets no notification on the folders above the watched ones, as on a system that refuses them.
class BlindAboveWatch final : public FolderWatch
{
public:
    QStringList folders;

protected:
    bool addWatch(const QString &path) override { return folders.contains(path) && FolderWatch::addWatch(path); }
};

const QByteArray dailyAt1400 = "\"Tea\",\"ninguno\",\"14\",\"0\"\r\n";

} // namespace

class TestScheduler : public QObject
{
    Q_OBJECT

    struct Rig
    {
        StoreFixture store;
        SharedState state;
        FakeClock clock;
        RecordingSink sink;
        std::unique_ptr<Scheduler> scheduler;

        explicit Rig(Scheduler::Intervals intervals = {})
        {
            state.layout = store.layout;
            scheduler = std::make_unique<Scheduler>(state, clock, intervals);
            scheduler->setNoticeSink(&sink);
        }
        void add(AlarmKind kind, const QString &name, const QStringList &fields)
        {
            QVERIFY(writeAlarmFile(store.layout.activePath(kind, name), kind, AlarmRecord{ fields }));
        }
        const FakeWallClockAlarm &minuteAlarm() const
        {
            return static_cast<const FakeWallClockAlarm &>(scheduler->minuteAlarm());
        }
    };

private slots:
    // Asleep until the next minute anything falls due, worked out again when a folder changes.
    void sleepsUntilTheNextDueMoment()
    {
        Rig rig;
        rig.add(AlarmKind::Once, "3-2-2007_14-0.alm", { "Dentist", "/sounds/ring.wav", "3", "2", "2007", "14", "0" });
        rig.add(AlarmKind::Daily, "16-30.alm", { "Tea", "ninguno", "16", "30" });
        rig.scheduler->start(); // at 13:59:58
        QVERIFY(rig.sink.shown.isEmpty()); // the first check comes after start-up has returned
        QTest::qWait(20);
        QVERIFY(rig.sink.shown.isEmpty());
        QCOMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2007, 2, 3), QTime(14, 0)));
        // A sleeping machine is woken for the same moment.
        QCOMPARE(rig.scheduler->wakeMoments(), QList<QDateTime>{ rig.minuteAlarm().moment() });
        // Nothing else wakes the program: the clock texts are not shown, nothing waits to return.
        QVERIFY(!rig.scheduler->clockTimer()->isActive());
        QVERIFY(!rig.scheduler->returnTimer()->isActive());

        rig.clock.set(2007, 2, 3, 14, 0, 0);
        QTRY_COMPARE(rig.sink.shown.size(), 1);
        QCOMPARE(rig.sink.shown.last().sound(), QStringLiteral("/sounds/ring.wav"));
        QCOMPARE(rig.sink.shown.last().text(), QStringLiteral("Dentist"));
        QCOMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2007, 2, 3), QTime(16, 30)));
        QCOMPARE(rig.scheduler->wakeMoments(), QList<QDateTime>{ rig.minuteAlarm().moment() });

        rig.add(AlarmKind::Weekly, "Saturday_15-0.alm", { "Call", "ninguno", "Saturday", "15", "0" });
        QTRY_COMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2007, 2, 3), QTime(15, 0)));
        QVERIFY(QFile::remove(rig.store.layout.activePath(AlarmKind::Weekly, "Saturday_15-0.alm")));
        QVERIFY(QFile::remove(rig.store.layout.activePath(AlarmKind::Daily, "16-30.alm")));
        QTRY_COMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2008, 2, 4), QTime(14, 1))); // nothing ever due
        QCOMPARE(rig.sink.shown.size(), 1);
        QVERIFY(rig.scheduler->wakeMoments().isEmpty()); // and no machine is woken for nothing
    }

    // A wake-up a minute or more after its moment (a stopped process, a resume nobody announced) is a jump: the
    // minutes in between were not watched.
    void aLateWakeUpIsAJump()
    {
        Rig rig;
        rig.add(AlarmKind::Daily, "14-0.alm", { "Tea", "ninguno", "14", "0" });
        QSignalSpy jumped(rig.scheduler.get(), &Scheduler::clockJumped);
        rig.scheduler->start();
        QTest::qWait(10);
        rig.clock.set(2007, 2, 3, 14, 1, 10);
        QTRY_COMPARE(jumped.size(), 1);
        QVERIFY(rig.sink.shown.isEmpty()); // its minute is over: the missed report tells of it
        QCOMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2007, 2, 4), QTime(14, 0)));
    }

    void twoKindsInTheSameMinuteAreBothHandedOver()
    {
        Rig rig;
        // 2007-02-05 is a Monday.
        rig.add(AlarmKind::Daily, "8-30.alm", { "Daily", "ninguno", "8", "30" });
        rig.add(AlarmKind::Weekly, "Monday_8-30.alm", { "Weekly", "/w.wav", "Monday", "8", "30" });
        rig.clock.set(2007, 2, 5, 8, 30, 10);
        QCOMPARE(rig.scheduler->checkAll(), 2);
        QCOMPARE(rig.sink.shown.size(), 2);
        QCOMPARE(rig.sink.shown[0].text(), QStringLiteral("Daily"));
        QCOMPARE(rig.sink.shown[1].text(), QStringLiteral("Weekly"));
    }

    void aFileMadeOrRewrittenDuringItsMinuteIsFoundAtOnce()
    {
        Rig rig;
        rig.clock.set(2007, 2, 3, 14, 0, 5);
        rig.scheduler->start();
        QTest::qWait(10);
        const QString path = rig.store.layout.activePath(AlarmKind::Daily, "14-0.alm");
        // Half written: nothing to show, and no loop trying it again.
        writeBytes(path, "\"Tea\",\"nin");
        QTest::qWait(100);
        QVERIFY(rig.sink.shown.isEmpty());
        // Finished in place, as an editor that does not rename would.
        QElapsedTimer elapsed;
        elapsed.start();
        writeBytes(path, dailyAt1400);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sink.shown.isEmpty(), 5000);
        QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(rig.sink.shown.first().text(), QStringLiteral("Tea"));
        // Reading the file it watches does not wake the checks again.
        QTest::qWait(200);
        const auto settled = rig.sink.shown.size();
        QTest::qWait(300);
        QCOMPARE(rig.sink.shown.size(), settled);
    }

    void aFolderWithoutNotificationsIsLookedAtEverySecond()
    {
        StoreFixture store;
        RefusingWatch watch;
        const QString day = store.layout.activeFolder(AlarmKind::Daily);
        const QString week = store.layout.activeFolder(AlarmKind::Weekly);
        watch.refused = day;
        QSignalSpy changed(&watch, &FolderWatch::folderChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no change notifications for .*Day"));
        watch.watchFolder(day);
        watch.watchFolder(week);
        QVERIFY(watch.isPolling(day));
        QVERIFY(!watch.isPolling(week));
        QTRY_VERIFY_WITH_TIMEOUT(changed.contains(QVariantList{ day }), 5000);

        // A watched folder removed and made again is watched again.
        changed.clear();
        QVERIFY(QDir(week).removeRecursively());
        QVERIFY(QDir().mkpath(week));
        QTRY_VERIFY_WITH_TIMEOUT(changed.contains(QVariantList{ week }), 5000);
        changed.clear();
        writeBytes(week + "/Monday_8-30.alm", "x");
        QTRY_VERIFY_WITH_TIMEOUT(changed.contains(QVariantList{ week }), 5000);
        QVERIFY(!watch.isPolling(week));
    }

    // A folder renamed away and made again, or the whole tree replaced (a restore from a backup, a sync tool),
    // is watched again: a file written into the new folder during its minute shows at once, and a name whose
    // letter case differs from the clock's is found at the next minute from a fresh listing.
    void aReplacedFolderIsWatchedAgain_data()
    {
        QTest::addColumn<QString>("moved"); // relative to the ProgramDir
        QTest::newRow("kind folder renamed away") << "Events/Day";
        QTest::newRow("whole Events replaced") << "Events";
    }
    void aReplacedFolderIsWatchedAgain()
    {
        QFETCH(QString, moved);
        Rig rig;
        QDir programDir(rig.store.dir.path());
        const QString day = rig.store.layout.activeFolder(AlarmKind::Daily);
        rig.clock.set(2007, 2, 3, 14, 0, 30);
        rig.scheduler->start();
        QTest::qWait(50); // the first check has read every folder

        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("folder .*Day was replaced"));
        QVERIFY(programDir.rename(moved, moved + ".old"));
        QVERIFY(rig.store.layout.createMissingFolders().isEmpty());
        writeBytes(day + "/14-0.alm", dailyAt1400);
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.shown.size(), 1, 5000);
        QCOMPARE(rig.sink.shown.last().text(), QStringLiteral("Tea"));

        writeBytes(day + "/14-1.ALM", "\"Cake\",\"ninguno\",\"14\",\"1\"\r\n");
        QTest::qWait(200);
        rig.clock.set(2007, 2, 3, 14, 1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.shown.last().text(), QStringLiteral("Cake"), 5000);
    }

    // Where nothing reports the parent's changes, the look at each minute boundary finds the new folder.
    void aReplacedFolderIsFoundWithoutNotifications()
    {
        StoreFixture store;
        BlindAboveWatch watch;
        const QString day = store.layout.activeFolder(AlarmKind::Daily);
        watch.folders = { day };
        watch.watchFolder(day);
        QSignalSpy changed(&watch, &FolderWatch::folderChanged);
        watch.checkFoldersAreTheSame();
        QVERIFY(changed.isEmpty()); // nothing changed, nothing to read again

        QVERIFY(QDir().rename(day, day + ".old"));
        QVERIFY(QDir().mkpath(day));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("folder .*Day was replaced"));
        watch.checkFoldersAreTheSame();
        QCOMPARE(changed.size(), 1);
        watch.checkFoldersAreTheSame(); // said once
        QCOMPARE(changed.size(), 1);
        changed.clear();
        writeBytes(day + "/14-0.alm", dailyAt1400);
        QTRY_VERIFY_WITH_TIMEOUT(changed.contains(QVariantList{ day }), 5000);
        // The folder it was is not watched any more.
        changed.clear();
        writeBytes(day + ".old/15-0.alm", dailyAt1400);
        QTest::qWait(200);
        QVERIFY(changed.isEmpty());
    }

    void aClockSetReturnsSetAsideAlarmsThatAreNotDueNow()
    {
        Rig rig;
        rig.clock.set(2007, 2, 3, 7, 5, 20);
        rig.scheduler->start();
        const QString acknowledged = rig.store.layout.pastPath(AlarmKind::Daily, "7-5.alm");
        const QString dueNow = rig.store.layout.pastPath(AlarmKind::Daily, "9-0.alm");
        writeBytes(acknowledged, "\"a\",\"ninguno\",\"7\",\"5\"\r\n");
        writeBytes(dueNow, "\"b\",\"ninguno\",\"9\",\"0\"\r\n");
        rig.scheduler->restartReturnCount();
        rig.add(AlarmKind::Once, "4-2-2007_9-0.alm", { "After the jump", "ninguno", "4", "2", "2007", "9", "0" });

        // Set forward past tomorrow's 7:05, inside the minute of 9-0.alm.
        rig.clock.jump(QDateTime(QDate(2007, 2, 4), QTime(9, 0, 30)));
        QTRY_VERIFY(!rig.sink.shown.isEmpty());
        QCOMPARE(rig.sink.shown.first().text(), QStringLiteral("After the jump"));
        QVERIFY(QFile::exists(rig.store.layout.activePath(AlarmKind::Daily, "7-5.alm")));
        QVERIFY2(QFile::exists(dueNow), "an alarm of the current minute came back within it");
        // The next wake-up is the returned alarm's next minute.
        QTRY_COMPARE(rig.minuteAlarm().moment(), QDateTime(QDate(2007, 2, 5), QTime(7, 5)));
    }

    void returnWaitsAFullIntervalAfterEachAcknowledgement()
    {
        // A short interval stands in for the 65 s one; the rule is the same.
        Rig rig(Scheduler::Intervals{ 400 });
        const QString waiting = rig.store.layout.pastPath(AlarmKind::Daily, "7-5.alm");
        const QString active = rig.store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        QElapsedTimer elapsed;
        QTest::qWait(250);
        writeBytes(waiting, "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        rig.scheduler->restartReturnCount();
        elapsed.start();
        QTest::qWait(250);
        QVERIFY2(QFile::exists(waiting), "returned before a full interval had passed since the acknowledgement");
        // A second acknowledgement pushes the return further out.
        rig.scheduler->restartReturnCount();
        elapsed.start();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(active), 3000);
        QVERIFY2(elapsed.elapsed() >= 380, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(!QFile::exists(waiting));
    }

    void acknowledgementRestartsTheRealCount()
    {
        Rig rig;
        rig.scheduler->restartReturnCount();
        QTest::qWait(300);
        QVERIFY(rig.scheduler->returnTimer()->remainingTime() <= 64800);
        rig.scheduler->restartReturnCount();
        QVERIFY(rig.scheduler->returnTimer()->remainingTime() > 64800);
        QCOMPARE(rig.scheduler->returnTimer()->interval(), 65000);
    }

    // The return runs only while something waits, whoever set it aside; once all is back it stops.
    void returnRunsOnlyWhileSomethingWaits()
    {
        Rig rig(Scheduler::Intervals{ 300 });
        rig.scheduler->start();
        QVERIFY(!rig.scheduler->returnTimer()->isActive());
        writeBytes(rig.store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        QTRY_VERIFY(rig.scheduler->returnTimer()->isActive());
        QTRY_VERIFY(QFile::exists(rig.store.layout.activePath(AlarmKind::Daily, "7-5.alm")));
        QVERIFY(!rig.scheduler->returnTimer()->isActive());
    }

    void clockTicksAtEachSecondOnlyWhileShown()
    {
        Rig rig;
        QSignalSpy spy(rig.scheduler.get(), &Scheduler::clockChanged);
        rig.clock.set(QDateTime(QDate(2007, 2, 4), QTime(23, 59, 58, 600))); // a Sunday
        rig.scheduler->setClockShown(true);
        QCOMPARE(spy.count(), 1); // current the moment it is shown
        QCOMPARE(rig.scheduler->clock().weekday, QStringLiteral("Sunday"));
        QVERIFY(rig.scheduler->clockTimer()->isActive());
        QCOMPARE(rig.scheduler->clockTimer()->remainingTime() <= 401, true);

        rig.scheduler->setClockShown(false);
        QVERIFY(!rig.scheduler->clockTimer()->isActive());
        rig.clock.set(2007, 2, 5, 0, 0, 0);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 1);
        rig.scheduler->setClockShown(true);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(rig.scheduler->clock().weekday, QStringLiteral("Monday"));
    }

    // The regions' own texts differ between Qt versions (their locale data is updated), so the expected texts are
    // asked of QLocale; what is checked is how the clock composes them.
    void clockTextsUseTheRegionalFormats_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : { "C", "en_US", "es_ES", "de_DE", "ja_JP", "zh_CN", "bg_BG" })
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }

    void clockTextsUseTheRegionalFormats()
    {
        QFETCH(QString, locale);
        const QLocale region(locale);
        const QDateTime moment(QDate(2007, 2, 3), QTime(14, 5, 9), QTimeZone::utc());
        const ClockTexts texts = clockTexts(moment, region);
        // The time is the region's long time text of the moment without the time zone's own text and the brackets
        // that held it (es_ES), wherever the region puts it (zh_CN puts it first); quoted text stays (bg_BG).
        const QString format = region.timeFormat(QLocale::LongFormat);
        const QRegularExpressionMatch zoneField
            = QRegularExpression(QStringLiteral("t+"))
                  .match(QString(format).remove(QRegularExpression(QStringLiteral("'[^']*'"))));
        QVERIFY2(zoneField.hasMatch(), qPrintable(format));
        const QString zone = region.toString(moment, zoneField.captured());
        QVERIFY(!zone.trimmed().isEmpty());
        QString time = region.toString(moment, format);
        QVERIFY(time.contains(zone));
        time.remove(zone);
        time.replace(QRegularExpression(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|\\x{FF08}\\s*\\x{FF09}")),
                     QStringLiteral(" "));
        QCOMPARE(texts.time, time.simplified());
        QCOMPARE(texts.date, region.toString(moment.date(), QLocale::ShortFormat));
        // The weekday stays English whatever the region.
        QCOMPARE(texts.weekday, QStringLiteral("Saturday"));
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
