// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "kindcases.h"

#include "core/model/alarmkind.h"
#include "core/names/alarmname.h"

#include <QTest>

#include <optional>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

QDateTime at(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

} // namespace

class TestAlarmNames : public QObject
{
    Q_OBJECT

private slots:
    // Captions are shown to the user and compared against the kind list; folders and field counts decide where a
    // file is looked for and how much of it is read, so a slip in any of them loses alarms.
    void kindTable_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("past");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<bool>("recurring");
        addKindRows([](QTestData &row, const KindCase &c) {
            const bool recurring = *c.pastFolder != 0;
            row << c.kind << QString(c.caption) << QString(c.folder) + u'/'
                << (recurring ? QString(c.pastFolder) + u'/' : QString()) << int(c.dueFields.size()) + 2 << recurring;
        });
    }
    void kindTable()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, caption);
        QFETCH(QString, folder);
        QFETCH(QString, past);
        QFETCH(int, fieldCount);
        QFETCH(bool, recurring);
        QCOMPARE(kindInfo(kind).kind, kind);
        QCOMPARE(kindCaption(kind), caption);
        QCOMPARE(activeFolder(kind), folder);
        QCOMPARE(pastFolder(kind), past);
        QCOMPARE(kindInfo(kind).fieldCount(), fieldCount);
        QCOMPARE(isRecurring(kind), recurring);
        QCOMPARE(kindFromCaption(caption), std::optional<AlarmKind>(kind));
    }

    void captionMustMatchWhole_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << "";
        QTest::newRow("lower case") << "once";
        QTest::newRow("trailing blank") << "Once ";
        QTest::newRow("leading blank") << " Once";
        QTest::newRow("other case inside") << "Once a Day";
        QTest::newRow("prefix of a caption") << "Once a";
        QTest::newRow("caption with more") << "Once a year!";
        QTest::newRow("folder name") << "Day";
    }
    void captionMustMatchWhole()
    {
        QFETCH(QString, caption);
        QCOMPARE(kindFromCaption(caption), std::optional<AlarmKind>());
    }

    void listOrderOfKinds()
    {
        const std::array<AlarmKind, 5> expected{ AlarmKind::Once, AlarmKind::Yearly, AlarmKind::Monthly,
                                                 AlarmKind::Daily, AlarmKind::Weekly };
        QVERIFY(brevora::kindListOrder == expected);
    }

    void weekdayNames_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "";
        QTest::newRow("1") << 1 << "Monday";
        QTest::newRow("2") << 2 << "Tuesday";
        QTest::newRow("3") << 3 << "Wednesday";
        QTest::newRow("4") << 4 << "Thursday";
        QTest::newRow("5") << 5 << "Friday";
        QTest::newRow("6") << 6 << "Saturday";
        QTest::newRow("7") << 7 << "Sunday";
        QTest::newRow("8") << 8 << "";
        QTest::newRow("-1") << -1 << "";
    }
    void weekdayNames()
    {
        QFETCH(int, day);
        QFETCH(QString, name);
        QCOMPARE(weekdayName(day), name);
    }

    // The editor, the due check and the notice all derive the file name from the moment, so these names are what
    // ends up on disk and what an alarm is looked for under.
    void namesOfMoments_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("name");

        QTest::newRow("once") << AlarmKind::Once << at(2007, 2, 3, 14, 0) << QStringList{ "3", "2", "2007", "14", "0" }
                              << "3-2-2007_14-0.alm";
        QTest::newRow("once two-digit day and month")
            << AlarmKind::Once << at(2010, 11, 28, 9, 45) << QStringList{ "28", "11", "2010", "9", "45" }
            << "28-11-2010_9-45.alm";
        QTest::newRow("once leap day at midnight") << AlarmKind::Once << at(2008, 2, 29, 0, 0)
                                                   << QStringList{ "29", "2", "2008", "0", "0" } << "29-2-2008_0-0.alm";
        QTest::newRow("once year before 1000 keeps all digits")
            << AlarmKind::Once << at(999, 1, 1, 1, 1) << QStringList{ "1", "1", "999", "1", "1" } << "1-1-999_1-1.alm";

        QTest::newRow("daily") << AlarmKind::Daily << at(2007, 2, 3, 7, 5) << QStringList{ "7", "5" } << "7-5.alm";
        QTest::newRow("daily midnight") << AlarmKind::Daily << at(2007, 2, 3, 0, 0) << QStringList{ "0", "0" }
                                        << "0-0.alm";
        QTest::newRow("daily 00:09") << AlarmKind::Daily << at(2007, 2, 3, 0, 9) << QStringList{ "0", "9" }
                                     << "0-9.alm";
        QTest::newRow("daily last minute")
            << AlarmKind::Daily << at(2007, 2, 3, 23, 59) << QStringList{ "23", "59" } << "23-59.alm";

        QTest::newRow("weekly monday") << AlarmKind::Weekly << at(2007, 2, 5, 8, 30)
                                       << QStringList{ "Monday", "8", "30" } << "Monday_8-30.alm";
        QTest::newRow("weekly saturday") << AlarmKind::Weekly << at(2007, 2, 3, 14, 0)
                                         << QStringList{ "Saturday", "14", "0" } << "Saturday_14-0.alm";
        QTest::newRow("weekly sunday") << AlarmKind::Weekly << at(2007, 2, 11, 23, 59)
                                       << QStringList{ "Sunday", "23", "59" } << "Sunday_23-59.alm";
        QTest::newRow("weekly leap day is a friday")
            << AlarmKind::Weekly << at(2008, 2, 29, 6, 7) << QStringList{ "Friday", "6", "7" } << "Friday_6-7.alm";

        QTest::newRow("monthly first") << AlarmKind::Monthly << at(2007, 2, 1, 9, 0) << QStringList{ "1", "9", "0" }
                                       << "1_9-0.alm";
        QTest::newRow("monthly fifteenth")
            << AlarmKind::Monthly << at(2007, 2, 15, 9, 0) << QStringList{ "15", "9", "0" } << "15_9-0.alm";
        QTest::newRow("monthly day 31") << AlarmKind::Monthly << at(2007, 1, 31, 18, 3)
                                        << QStringList{ "31", "18", "3" } << "31_18-3.alm";
        QTest::newRow("monthly midnight")
            << AlarmKind::Monthly << at(2007, 3, 10, 0, 0) << QStringList{ "10", "0", "0" } << "10_0-0.alm";

        QTest::newRow("yearly") << AlarmKind::Yearly << at(2007, 12, 24, 20, 15)
                                << QStringList{ "24", "12", "20", "15" } << "24-12_20-15.alm";
        QTest::newRow("yearly leap day") << AlarmKind::Yearly << at(2008, 2, 29, 12, 30)
                                         << QStringList{ "29", "2", "12", "30" } << "29-2_12-30.alm";
        QTest::newRow("yearly day 31 at midnight")
            << AlarmKind::Yearly << at(2007, 10, 31, 0, 0) << QStringList{ "31", "10", "0", "0" } << "31-10_0-0.alm";
        QTest::newRow("yearly ignores the year")
            << AlarmKind::Yearly << at(2031, 1, 2, 3, 4) << QStringList{ "2", "1", "3", "4" } << "2-1_3-4.alm";
    }
    void namesOfMoments()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QDateTime, moment);
        QFETCH(QStringList, fields);
        QFETCH(QString, name);
        QCOMPARE(dueFieldsAt(kind, moment), fields);
        QCOMPARE(alarmFileName(kind, fields), name);

        // Seconds do not matter: the whole minute is due.
        FakeClock clock(moment.addSecs(59));
        QCOMPARE(dueFileName(kind, clock), name);
    }

    // A record with a wrong field count must not be given a name, or a damaged file would be saved or looked up
    // under a name that some other alarm owns.
    void wrongFieldCountGivesNoName_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("once short") << AlarmKind::Once << QStringList{ "3", "2", "2007", "14" };
        QTest::newRow("once long") << AlarmKind::Once << QStringList{ "3", "2", "2007", "14", "0", "0" };
        QTest::newRow("once with text and sound")
            << AlarmKind::Once << QStringList{ "Dentist", "ninguno", "3", "2", "2007", "14", "0" };
        QTest::newRow("daily short") << AlarmKind::Daily << QStringList{ "7" };
        QTest::newRow("daily long") << AlarmKind::Daily << QStringList{ "7", "5", "0" };
        QTest::newRow("daily none") << AlarmKind::Daily << QStringList{};
        QTest::newRow("weekly short") << AlarmKind::Weekly << QStringList{ "Monday", "8" };
        QTest::newRow("weekly long") << AlarmKind::Weekly << QStringList{ "Monday", "8", "30", "0" };
        QTest::newRow("monthly short") << AlarmKind::Monthly << QStringList{ "1", "9" };
        QTest::newRow("monthly long") << AlarmKind::Monthly << QStringList{ "1", "2", "9", "0" };
        QTest::newRow("yearly short") << AlarmKind::Yearly << QStringList{ "24", "12", "20" };
        QTest::newRow("yearly long") << AlarmKind::Yearly << QStringList{ "24", "12", "2007", "20", "15" };
    }
    void wrongFieldCountGivesNoName()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, fields);
        QCOMPARE(alarmFileName(kind, fields), QString());
    }
};

QTEST_GUILESS_MAIN(TestAlarmNames)
#include "tst_alarmnames.moc"
