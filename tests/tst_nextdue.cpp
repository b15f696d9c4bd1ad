// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/nextdue.h"

#include <QTest>

using namespace brevora;

Q_DECLARE_METATYPE(brevora::AlarmKind)

class NextDueTest : public QObject
{
    Q_OBJECT
private slots:
    void nextDue_data();
    void nextDue();
};

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

QTEST_APPLESS_MAIN(NextDueTest)
#include "tst_nextdue.moc"
