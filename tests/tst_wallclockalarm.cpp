// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"

#include <QSignalSpy>
#include <QTest>

#include <ctime>

using namespace brevora;

// The system's wall-clock alarm, against the real clock.
class TestWallClockAlarm : public QObject
{
    Q_OBJECT

private slots:
    void ringsAtItsMomentAndNotBefore()
    {
        const auto alarm = SystemClock::instance().createAlarm();
        QSignalSpy rang(alarm.get(), &WallClockAlarm::rang);
        const QDateTime moment = QDateTime::currentDateTime().addMSecs(300);
        alarm->arm(moment);
        QVERIFY(alarm->isArmed());
        QVERIFY(rang.wait(10000));
        QVERIFY2(QDateTime::currentDateTime() >= moment, "rang before its moment");
        QVERIFY(!alarm->isArmed());
    }

    void aMomentAlreadyPastRingsAtOnce()
    {
        const auto alarm = SystemClock::instance().createAlarm();
        QSignalSpy rang(alarm.get(), &WallClockAlarm::rang);
        alarm->arm(QDateTime::currentDateTime().addSecs(-90));
        QVERIFY(rang.wait(10000));
    }

    void rearmingReplacesTheMomentAndDisarmingSilencesIt()
    {
        const auto alarm = SystemClock::instance().createAlarm();
        QSignalSpy rang(alarm.get(), &WallClockAlarm::rang);
        alarm->arm(QDateTime::currentDateTime().addMSecs(100));
        alarm->arm(QDateTime::currentDateTime().addSecs(3600));
        QTest::qWait(400);
        QCOMPARE(rang.count(), 0);
        alarm->arm(QDateTime::currentDateTime().addMSecs(100));
        alarm->disarm();
        QTest::qWait(400);
        QCOMPARE(rang.count(), 0);
        QVERIFY(!alarm->isArmed());
    }

    // Counted on the epoch: in the hour a change to winter time repeats, the boundary after a local moment lies in
    // the same pass of the hour, never an hour away.
    void theNextBoundaryIsTheStartOfTheNextMinute_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("year's end") << QByteArray("Europe/Berlin") << "2007-12-31T23:59:59.999+01:00"
                                    << "2008-01-01T00:00:00+01:00";
        QTest::newRow("on a boundary") << QByteArray("Europe/Berlin") << "2007-02-03T14:00:00+01:00"
                                       << "2007-02-03T14:01:00+01:00";
        QTest::newRow("Berlin, first pass") << QByteArray("Europe/Berlin") << "2026-10-25T02:09:56+02:00"
                                            << "2026-10-25T02:10:00+02:00";
        QTest::newRow("Berlin, second pass") << QByteArray("Europe/Berlin") << "2026-10-25T02:09:56+01:00"
                                             << "2026-10-25T02:10:00+01:00";
        QTest::newRow("Berlin, into the skipped hour") << QByteArray("Europe/Berlin") << "2026-03-29T01:59:30+01:00"
                                                       << "2026-03-29T03:00:00+02:00";
        QTest::newRow("New York, first pass") << QByteArray("America/New_York") << "2026-11-01T01:29:56-04:00"
                                              << "2026-11-01T01:30:00-04:00";
    }

    void theNextBoundaryIsTheStartOfTheNextMinute()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, moment);
        QFETCH(QString, expected);
        qputenv("TZ", zone);
        tzset();
        // As the clock reads it: in local time.
        const QDateTime local = QDateTime::fromString(moment, Qt::ISODateWithMs).toLocalTime();
        const QDateTime next = nextMinuteBoundary(local);
        QCOMPARE(next, QDateTime::fromString(expected, Qt::ISODate));
        QCOMPARE(next.offsetFromUtc(), QDateTime::fromString(expected, Qt::ISODate).offsetFromUtc());
        QCOMPARE(minuteStart(local).secsTo(next), 60);
    }
};

QTEST_GUILESS_MAIN(TestWallClockAlarm)
#include "tst_wallclockalarm.moc"
