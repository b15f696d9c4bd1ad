#include "fakeclock.h"
#include "storefixture.h"

#include "scheduler/scheduler.h"
#include "settings/sharedstate.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace brevora;
using namespace brevora::test;

namespace {

struct RecordingSink final : NoticeSink
{
    QList<DueAlarm> shown;
    void showDueAlarm(const DueAlarm &alarm) override { shown.append(alarm); }
};

} // namespace

class TestScheduler : public QObject
{
    Q_OBJECT

    struct Rig
    {
        StoreFixture store;
        SharedState state;
        FakeClock clock;
        FakeClock fileClock;
        RecordingSink sink;
        std::unique_ptr<Scheduler> scheduler;

        explicit Rig(Scheduler::Intervals intervals = {})
        {
            state.layout = store.layout;
            scheduler = std::make_unique<Scheduler>(state, clock, fileClock, intervals);
            scheduler->setNoticeSink(&sink);
        }
        void add(AlarmKind kind, const QString &name, const QStringList &fields)
        {
            QVERIFY(writeAlarmFile(store.layout.activePath(kind, name), kind, AlarmRecord{ fields }));
        }
        void tickAll()
        {
            for (AlarmKind kind : allKinds)
                scheduler->checkKind(kind);
        }
    };

private slots:
    void timersAreNamedAndStartInTheirOrder()
    {
        Rig rig;
        const QStringList names{ "Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6", "Timer7" };
        for (const QString &name : names)
            QVERIFY2(rig.scheduler->findChild<QTimer *>(name), qPrintable(name));
        QCOMPARE(rig.scheduler->checkTimer(AlarmKind::Once)->objectName(), QStringLiteral("Timer1"));
        QCOMPARE(rig.scheduler->checkTimer(AlarmKind::Daily)->objectName(), QStringLiteral("Timer2"));
        QCOMPARE(rig.scheduler->checkTimer(AlarmKind::Yearly)->objectName(), QStringLiteral("Timer3"));
        QCOMPARE(rig.scheduler->checkTimer(AlarmKind::Monthly)->objectName(), QStringLiteral("Timer4"));
        QCOMPARE(rig.scheduler->checkTimer(AlarmKind::Weekly)->objectName(), QStringLiteral("Timer5"));

        // Only the return timer counts before start.
        QVERIFY(rig.scheduler->returnTimer()->isActive());
        QCOMPARE(rig.scheduler->returnTimer()->interval(), 65000);
        for (AlarmKind kind : allKinds)
            QVERIFY(!rig.scheduler->checkTimer(kind)->isActive());
        QVERIFY(!rig.scheduler->clockTimer()->isActive());

        rig.scheduler->start();
        for (AlarmKind kind : allKinds) {
            QVERIFY(rig.scheduler->checkTimer(kind)->isActive());
            QCOMPARE(rig.scheduler->checkTimer(kind)->interval(), 10);
        }
        QCOMPARE(rig.scheduler->clockTimer()->interval(), 10);
    }

    void aDueAlarmIsHandedOverOnEveryTickOfItsMinute()
    {
        Rig rig;
        rig.add(AlarmKind::Once, "3-2-2007_14-0.alm", { "Dentist", "/sounds/ring.wav", "3", "2", "2007", "14", "0" });
        rig.clock.set(2007, 2, 3, 13, 59, 59);
        rig.tickAll();
        QVERIFY(rig.sink.shown.isEmpty());
        QVERIFY(rig.state.dueSound.isEmpty());

        rig.clock.set(2007, 2, 3, 14, 0, 0);
        for (int tick = 0; tick < 3; ++tick)
            rig.tickAll();
        QCOMPARE(rig.sink.shown.size(), 3);
        QCOMPARE(rig.state.dueSound, QStringLiteral("/sounds/ring.wav"));
        QCOMPARE(rig.sink.shown.last().text(), QStringLiteral("Dentist"));
        QCOMPARE(rig.sink.shown.last().kind, AlarmKind::Once);

        rig.clock.set(2007, 2, 3, 14, 1, 0);
        rig.tickAll();
        QCOMPARE(rig.sink.shown.size(), 3);
    }

    void twoKindsInTheSameMinuteAreBothHandedOver()
    {
        Rig rig;
        // 2007-02-05 is a Monday.
        rig.add(AlarmKind::Daily, "8-30.alm", { "Daily", "ninguno", "8", "30" });
        rig.add(AlarmKind::Weekly, "Monday_8-30.alm", { "Weekly", "/w.wav", "Monday", "8", "30" });
        rig.clock.set(2007, 2, 5, 8, 30, 10);
        QVERIFY(rig.scheduler->checkKind(AlarmKind::Daily));
        QCOMPARE(rig.state.dueSound, QStringLiteral("ninguno"));
        QVERIFY(rig.scheduler->checkKind(AlarmKind::Weekly));
        QCOMPARE(rig.state.dueSound, QStringLiteral("/w.wav"));
        QCOMPARE(rig.sink.shown.size(), 2);
        QCOMPARE(rig.sink.shown[0].text(), QStringLiteral("Daily"));
        QCOMPARE(rig.sink.shown[1].text(), QStringLiteral("Weekly"));
    }

    void runningTimersReachTheSink()
    {
        Rig rig;
        rig.add(AlarmKind::Monthly, "1_9-0.alm", { "Rent", "ninguno", "1", "9", "0" });
        rig.clock.set(2007, 3, 1, 9, 0, 5);
        rig.scheduler->start();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sink.shown.size() >= 3, 2000);
        QCOMPARE(rig.sink.shown.first().kind, AlarmKind::Monthly);
        QCOMPARE(rig.scheduler->clock().weekday, QStringLiteral("Thursday"));
    }

    void returnWaitsAFullIntervalAfterEachAcknowledgement()
    {
        // A short interval stands in for the 65 s one; the rule is the same.
        Rig rig(Scheduler::Intervals{ 10, 400 });
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
        QTest::qWait(300);
        QVERIFY(rig.scheduler->returnTimer()->remainingTime() <= 64800);
        rig.scheduler->restartReturnCount();
        QVERIFY(rig.scheduler->returnTimer()->remainingTime() > 64800);
        QCOMPARE(rig.scheduler->returnTimer()->interval(), 65000);
    }

    void clockTextsFollowTheClockAndChangeOnlyWhenTheyDiffer()
    {
        Rig rig;
        QSignalSpy spy(rig.scheduler.get(), &Scheduler::clockChanged);
        rig.clock.set(2007, 2, 4, 23, 59, 58); // a Sunday
        rig.scheduler->updateClock();
        rig.scheduler->updateClock();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(rig.scheduler->clock().weekday, QStringLiteral("Sunday"));
        rig.clock.set(2007, 2, 5, 0, 0, 0);
        rig.scheduler->updateClock();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(rig.scheduler->clock().weekday, QStringLiteral("Monday"));
    }

    void clockTextsUseTheRegionalFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        const auto row = [](const char *locale, const char *time, const char *date) {
            QTest::newRow(locale) << QString::fromUtf8(locale) << QString::fromUtf8(time) << QString::fromUtf8(date);
        };
        row("C", "14:05:09", "3 Feb 2007");
        row("en_US", "2:05:09 PM", "2/3/07");
        row("es_ES", "14:05:09", "3/2/07"); // the zone is in brackets
        row("de_DE", "14:05:09", "03.02.07");
        row("ja_JP", "14時05分09秒", "2007/02/03");
        row("zh_CN", "14:05:09", "2007/2/3"); // the zone comes first
        row("bg_BG", "14:05:09 ч.", "3.02.07 г."); // quoted text stays
    }

    void clockTextsUseTheRegionalFormats()
    {
        QFETCH(QString, locale);
        QFETCH(QString, time);
        QFETCH(QString, date);
        const ClockTexts texts = clockTexts(QDateTime(QDate(2007, 2, 3), QTime(14, 5, 9)), QLocale(locale));
        QCOMPARE(texts.time, time);
        QCOMPARE(texts.date, date);
        // The weekday stays English whatever the region.
        QCOMPARE(texts.weekday, QStringLiteral("Saturday"));
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
