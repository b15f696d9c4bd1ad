// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"

#include <QSignalSpy>
#include <QTest>

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

    void theNextBoundaryIsTheStartOfTheNextMinute()
    {
        const QDateTime moment(QDate(2007, 12, 31), QTime(23, 59, 59, 999));
        QCOMPARE(nextMinuteBoundary(moment), QDateTime(QDate(2008, 1, 1), QTime(0, 0)));
        QCOMPARE(nextMinuteBoundary(QDateTime(QDate(2007, 2, 3), QTime(14, 0))),
                 QDateTime(QDate(2007, 2, 3), QTime(14, 1)));
    }
};

QTEST_GUILESS_MAIN(TestWallClockAlarm)
#include "tst_wallclockalarm.moc"
