// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/nextdue.h"

#include <QTest>

#include <ctime>

using namespace brevora;

Q_DECLARE_METATYPE(brevora::AlarmKind)

class NextDueTest : public QObject
{
    Q_OBJECT
private slots:
    void nextDue_data();
    void nextDue();
    void clockChanges_data();
    void clockChanges();
};

namespace {

QDateTime iso(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

} // namespace

void NextDueTest::nextDue_data()
{
    QTest::addColumn<AlarmKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("expected"); // invalid for never

    const auto at
        = [](int y, int mo, int d, int h, int mi, int s = 0) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); };
    const QDateTime never;
    QTest::newRow("daily, within its minute")
        << AlarmKind::Daily << "7-5.alm" << at(2007, 2, 3, 7, 5, 40) << at(2007, 2, 3, 7, 5);
    QTest::newRow("daily, just after: tomorrow")
        << AlarmKind::Daily << "7-5.alm" << at(2007, 2, 3, 7, 6) << at(2007, 2, 4, 7, 5);
    QTest::newRow("daily across the year's end")
        << AlarmKind::Daily << "0-0.alm" << at(2007, 12, 31, 23, 59) << at(2008, 1, 1, 0, 0);
    QTest::newRow("daily, leading zero") << AlarmKind::Daily << "07-05.alm" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("daily, hour 24") << AlarmKind::Daily << "24-0.alm" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("daily, upper-case extension")
        << AlarmKind::Daily << "7-5.ALM" << at(2007, 2, 3, 0, 0) << at(2007, 2, 3, 7, 5);
    // 4 February 2007 was a Sunday.
    QTest::newRow("weekly, next Monday") << AlarmKind::Weekly << "Monday_8-30.alm" << at(2007, 2, 4, 9, 0)
                                         << at(2007, 2, 5, 8, 30);
    QTest::newRow("weekly, lower case") << AlarmKind::Weekly << "monday_8-30.alm" << at(2007, 2, 4, 9, 0)
                                        << at(2007, 2, 5, 8, 30);
    QTest::newRow("weekly, a week on") << AlarmKind::Weekly << "Sunday_8-30.alm" << at(2007, 2, 4, 9, 0)
                                       << at(2007, 2, 11, 8, 30);
    QTest::newRow("weekly, misspelt") << AlarmKind::Weekly << "Mondy_8-30.alm" << at(2007, 2, 4, 9, 0) << never;
    QTest::newRow("weekly, Spanish") << AlarmKind::Weekly << "Lunes_8-30.alm" << at(2007, 2, 4, 9, 0) << never;
    QTest::newRow("monthly 31 skips February")
        << AlarmKind::Monthly << "31_9-0.alm" << at(2007, 1, 31, 10, 0) << at(2007, 3, 31, 9, 0);
    QTest::newRow("monthly 31 skips April")
        << AlarmKind::Monthly << "31_9-0.alm" << at(2007, 4, 5, 0, 0) << at(2007, 5, 31, 9, 0);
    QTest::newRow("monthly 29 in a leap February")
        << AlarmKind::Monthly << "29_9-0.alm" << at(2008, 2, 1, 0, 0) << at(2008, 2, 29, 9, 0);
    QTest::newRow("monthly 32") << AlarmKind::Monthly << "32_9-0.alm" << at(2008, 2, 1, 0, 0) << never;
    QTest::newRow("yearly 29-2 waits for a leap year")
        << AlarmKind::Yearly << "29-2_12-0.alm" << at(2007, 3, 1, 0, 0) << at(2008, 2, 29, 12, 0);
    QTest::newRow("yearly 29-2 across 2100")
        << AlarmKind::Yearly << "29-2_12-0.alm" << at(2096, 3, 1, 0, 0) << at(2104, 2, 29, 12, 0);
    QTest::newRow("yearly 24-12, next year")
        << AlarmKind::Yearly << "24-12_20-15.alm" << at(2007, 12, 24, 20, 16) << at(2008, 12, 24, 20, 15);
    QTest::newRow("yearly 31-4") << AlarmKind::Yearly << "31-4_9-0.alm" << at(2007, 1, 1, 0, 0) << never;
    QTest::newRow("yearly 30-2") << AlarmKind::Yearly << "30-2_9-0.alm" << at(2007, 1, 1, 0, 0) << never;
    QTest::newRow("once, ahead") << AlarmKind::Once << "3-2-2007_14-0.alm" << at(2007, 2, 3, 13, 59, 58)
                                 << at(2007, 2, 3, 14, 0);
    QTest::newRow("once, passed") << AlarmKind::Once << "3-2-2007_14-0.alm" << at(2007, 2, 3, 14, 1) << never;
    QTest::newRow("once, two-digit year") << AlarmKind::Once << "3-2-7_14-0.alm" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("once, 31 April") << AlarmKind::Once << "31-4-2030_14-0.alm" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("once, daily shape") << AlarmKind::Once << "14-0.alm" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("no extension") << AlarmKind::Daily << "7-5" << at(2007, 2, 3, 0, 0) << never;
    QTest::newRow("blank after weekday") << AlarmKind::Weekly << "Monday _8-30.alm" << at(2007, 2, 4, 0, 0) << never;
}

void NextDueTest::nextDue()
{
    QFETCH(AlarmKind, kind);
    QFETCH(QString, name);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, expected);
    const auto due = nextDueMoment(kind, name, from);
    QCOMPARE(due.value_or(QDateTime()), expected);
}

// The clock writes a name twice in the hour a change to winter time repeats, and never in the hour a change to
// summer time skips. Moments are instants: the offset tells the two passes apart.
void NextDueTest::clockChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<AlarmKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("expected"); // invalid for never

    const QDateTime never;
    // Berlin: 25 October 2026 at 3:00 CEST the clock goes back to 2:00 CET; 29 March 2026 at 2:00 CET on to 3:00.
    const QByteArray berlin("Europe/Berlin");
    QTest::newRow("Berlin, started in the first pass")
        << berlin << AlarmKind::Daily << "2-10.alm" << iso("2026-10-25T02:09:56+02:00")
        << iso("2026-10-25T02:10:00+02:00");
    QTest::newRow("Berlin, the minute comes again")
        << berlin << AlarmKind::Daily << "2-10.alm" << iso("2026-10-25T02:11:00+02:00")
        << iso("2026-10-25T02:10:00+01:00");
    QTest::newRow("Berlin, after the second pass")
        << berlin << AlarmKind::Daily << "2-10.alm" << iso("2026-10-25T02:11:00+01:00")
        << iso("2026-10-26T02:10:00+01:00");
    QTest::newRow("Berlin, 2:59 once the clock went back")
        << berlin << AlarmKind::Daily << "2-59.alm" << iso("2026-10-25T02:00:00+01:00")
        << iso("2026-10-25T02:59:00+01:00");
    QTest::newRow("Berlin, one-time in the second pass")
        << berlin << AlarmKind::Once << "25-10-2026_2-30.alm" << iso("2026-10-25T02:45:00+02:00")
        << iso("2026-10-25T02:30:00+01:00");
    QTest::newRow("Berlin, the skipped minute: tomorrow")
        << berlin << AlarmKind::Daily << "2-30.alm" << iso("2026-03-29T01:59:00+01:00")
        << iso("2026-03-30T02:30:00+02:00");
    QTest::newRow("Berlin, weekly in the skipped hour")
        << berlin << AlarmKind::Weekly << "Sunday_2-30.alm" << iso("2026-03-29T00:00:00+01:00")
        << iso("2026-04-05T02:30:00+02:00");
    QTest::newRow("Berlin, one-time in the skipped hour")
        << berlin << AlarmKind::Once << "29-3-2026_2-30.alm" << iso("2026-03-28T00:00:00+01:00") << never;
    // New York: 1 November 2026 at 2:00 EDT back to 1:00 EST; 8 March 2026 at 2:00 EST on to 3:00 EDT.
    const QByteArray newYork("America/New_York");
    QTest::newRow("New York, started in the first pass")
        << newYork << AlarmKind::Daily << "1-30.alm" << iso("2026-11-01T01:29:56-04:00")
        << iso("2026-11-01T01:30:00-04:00");
    QTest::newRow("New York, the minute comes again")
        << newYork << AlarmKind::Daily << "1-30.alm" << iso("2026-11-01T01:31:00-04:00")
        << iso("2026-11-01T01:30:00-05:00");
    QTest::newRow("New York, the skipped minute: tomorrow")
        << newYork << AlarmKind::Daily << "2-30.alm" << iso("2026-03-08T01:00:00-05:00")
        << iso("2026-03-09T02:30:00-04:00");
    QTest::newRow("New York, monthly in the skipped hour")
        << newYork << AlarmKind::Monthly << "8_2-30.alm" << iso("2026-03-08T01:00:00-05:00")
        << iso("2026-04-08T02:30:00-04:00");
    // The system clock never reads a moment before the epoch.
    QTest::newRow("one-time, two-digit year")
        << berlin << AlarmKind::Once << "1-1-27_1-0.alm" << QDateTime::fromMSecsSinceEpoch(0) << never;
}

void NextDueTest::clockChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(AlarmKind, kind);
    QFETCH(QString, name);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, expected);
    qputenv("TZ", zone);
    tzset();
    const auto due = nextDueMoment(kind, name, from);
    QCOMPARE(due.value_or(QDateTime()), expected);
    if (due)
        QCOMPARE(due->offsetFromUtc(), expected.offsetFromUtc());
}

QTEST_APPLESS_MAIN(NextDueTest)
#include "tst_nextdue.moc"
