// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/life/occurrence.h"

#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

// Each kind's check is asked at moments around its alarm's minute and must find it inside the minute only.
class TestDueChecks : public QObject
{
    Q_OBJECT

    static QDateTime at(int y, int mo, int d, int h, int mi, int s = 0) { return { QDate(y, mo, d), QTime(h, mi, s) }; }

    static void addAlarm(const StoreFixture &store, AlarmKind kind, const QString &name, const QStringList &fields)
    {
        QVERIFY(writeAlarmFile(store.layout.activePath(kind, name), kind, AlarmRecord{ fields }));
    }

private slots:
    void acrossTheMinute_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("due");

        const QStringList once{ "Dentist", "ninguno", "3", "2", "2007", "14", "0" };
        QTest::newRow("once before") << AlarmKind::Once << "3-2-2007_14-0.alm" << once << at(2007, 2, 3, 13, 59, 59)
                                     << false;
        QTest::newRow("once start") << AlarmKind::Once << "3-2-2007_14-0.alm" << once << at(2007, 2, 3, 14, 0, 0)
                                    << true;
        QTest::newRow("once end") << AlarmKind::Once << "3-2-2007_14-0.alm" << once << at(2007, 2, 3, 14, 0, 59)
                                  << true;
        QTest::newRow("once after") << AlarmKind::Once << "3-2-2007_14-0.alm" << once << at(2007, 2, 3, 14, 1, 0)
                                    << false;
        QTest::newRow("once next year") << AlarmKind::Once << "3-2-2007_14-0.alm" << once << at(2008, 2, 3, 14, 0, 0)
                                        << false;
        // A two-digit year can never match the clock's full year.
        QTest::newRow("once short year") << AlarmKind::Once << "3-2-7_14-0.alm"
                                         << QStringList{ "x", "ninguno", "3", "2", "7", "14", "0" }
                                         << at(2007, 2, 3, 14, 0, 30) << false;

        const QStringList daily{ "Wake up", "C:\\Windows\\Media\\chimes.wav", "7", "5" };
        QTest::newRow("daily before") << AlarmKind::Daily << "7-5.alm" << daily << at(2007, 2, 3, 7, 4, 59) << false;
        QTest::newRow("daily inside") << AlarmKind::Daily << "7-5.alm" << daily << at(2007, 2, 3, 7, 5, 30) << true;
        QTest::newRow("daily next day") << AlarmKind::Daily << "7-5.alm" << daily << at(2007, 2, 4, 7, 5, 0) << true;
        QTest::newRow("daily after") << AlarmKind::Daily << "7-5.alm" << daily << at(2007, 2, 3, 7, 6, 0) << false;
        QTest::newRow("daily pm") << AlarmKind::Daily << "7-5.alm" << daily << at(2007, 2, 3, 19, 5, 0) << false;
        const QStringList midnight{ "Midnight", "ninguno", "0", "0" };
        QTest::newRow("daily midnight") << AlarmKind::Daily << "0-0.alm" << midnight << at(2007, 1, 1, 0, 0, 1) << true;
        QTest::newRow("leading zero never due")
            << AlarmKind::Daily << "07-05.alm" << QStringList{ "x", "ninguno", "07", "05" } << at(2007, 2, 3, 7, 5, 0)
            << false;

        // 2007-02-05 is a Monday, 2007-02-04 a Sunday.
        const QStringList monday{ "Meeting", "ninguno", "Monday", "8", "30" };
        QTest::newRow("weekly monday") << AlarmKind::Weekly << "Monday_8-30.alm" << monday << at(2007, 2, 5, 8, 30)
                                       << true;
        QTest::newRow("weekly next monday")
            << AlarmKind::Weekly << "Monday_8-30.alm" << monday << at(2007, 2, 12, 8, 30, 59) << true;
        QTest::newRow("weekly tuesday") << AlarmKind::Weekly << "Monday_8-30.alm" << monday << at(2007, 2, 6, 8, 30)
                                        << false;
        QTest::newRow("weekly before") << AlarmKind::Weekly << "Monday_8-30.alm" << monday << at(2007, 2, 5, 8, 29, 59)
                                       << false;
        QTest::newRow("weekly lower case")
            << AlarmKind::Weekly << "monday_8-30.alm" << monday << at(2007, 2, 5, 8, 30) << true;
        QTest::newRow("weekly other language")
            << AlarmKind::Weekly << "Lunes_8-30.alm" << QStringList{ "x", "ninguno", "Lunes", "8", "30" }
            << at(2007, 2, 5, 8, 30) << false;
        const QStringList sunday{ "Late", "ninguno", "Sunday", "23", "59" };
        QTest::newRow("weekly sunday") << AlarmKind::Weekly << "Sunday_23-59.alm" << sunday << at(2007, 2, 4, 23, 59)
                                       << true;
        QTest::newRow("weekly saturday") << AlarmKind::Weekly << "Sunday_23-59.alm" << sunday << at(2007, 2, 3, 23, 59)
                                         << false;

        const QStringList first{ "Rent", "ninguno", "1", "9", "0" };
        QTest::newRow("monthly first") << AlarmKind::Monthly << "1_9-0.alm" << first << at(2007, 3, 1, 9, 0) << true;
        QTest::newRow("monthly after") << AlarmKind::Monthly << "1_9-0.alm" << first << at(2007, 3, 1, 9, 1) << false;
        QTest::newRow("monthly second") << AlarmKind::Monthly << "1_9-0.alm" << first << at(2007, 3, 2, 9, 0) << false;
        const QStringList last{ "Payday", "ninguno", "31", "12", "0" };
        QTest::newRow("day 31 in january")
            << AlarmKind::Monthly << "31_12-0.alm" << last << at(2007, 1, 31, 12, 0) << true;
        QTest::newRow("day 31 in april") << AlarmKind::Monthly << "31_12-0.alm" << last << at(2007, 4, 30, 12, 0)
                                         << false;
        QTest::newRow("day 31 in march") << AlarmKind::Monthly << "31_12-0.alm" << last << at(2007, 3, 31, 12, 0)
                                         << true;

        const QStringList christmas{ "Presents", "ninguno", "24", "12", "20", "15" };
        QTest::newRow("yearly inside") << AlarmKind::Yearly << "24-12_20-15.alm" << christmas
                                       << at(2010, 12, 24, 20, 15, 40) << true;
        QTest::newRow("yearly other month")
            << AlarmKind::Yearly << "24-12_20-15.alm" << christmas << at(2010, 11, 24, 20, 15) << false;
        QTest::newRow("yearly before") << AlarmKind::Yearly << "24-12_20-15.alm" << christmas
                                       << at(2010, 12, 24, 20, 14, 59) << false;
        const QStringList leap{ "Leap", "ninguno", "29", "2", "12", "0" };
        QTest::newRow("leap year") << AlarmKind::Yearly << "29-2_12-0.alm" << leap << at(2008, 2, 29, 12, 0) << true;
        QTest::newRow("common year") << AlarmKind::Yearly << "29-2_12-0.alm" << leap << at(2007, 3, 1, 12, 0) << false;
    }
    void acrossTheMinute()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, fields);
        QFETCH(QDateTime, moment);
        QFETCH(bool, due);

        StoreFixture store;
        addAlarm(store, kind, name, fields);
        FakeClock clock(moment);
        const auto found = findDueOccurrence(kind, store.layout.activeFolder(kind), clock);
        QCOMPARE(found.has_value(), due);
        if (!due)
            return;
        QCOMPARE(found->kind, kind);
        QCOMPARE(found->text(), fields[0]);
        QCOMPARE(found->sound(), fields[1]);
        QCOMPARE(found->record.fields, fields);
        QCOMPARE(found->path, store.layout.activePath(kind, name));
    }

    void otherKindsDoNotSeeTheFile()
    {
        StoreFixture store;
        addAlarm(store, AlarmKind::Daily, "7-5.alm", { "x", "ninguno", "7", "5" });
        FakeClock clock(at(2007, 2, 3, 7, 5));
        for (AlarmKind kind : allKinds)
            QCOMPARE(findDueOccurrence(kind, store.layout.activeFolder(kind), clock).has_value(),
                     kind == AlarmKind::Daily);
    }

    void damagedFilesAreNothingDue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short") << QByteArray("\"Dentist\",\"ninguno\",\"3\",\"2\"\r\n");
        QTest::newRow("cut in a quote") << QByteArray("\"Dentist\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\",\"");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR,,,,,,,", 23);
        QTest::newRow("endless line") << QByteArray(70 * 1024, 'x');
    }
    void damagedFilesAreNothingDue()
    {
        QFETCH(QByteArray, bytes);
        StoreFixture store;
        const QString path = store.layout.activePath(AlarmKind::Once, "3-2-2007_14-0.alm");
        writeBytes(path, bytes);
        FakeClock clock(at(2007, 2, 3, 14, 0));
        for (int tick = 0; tick < 50; ++tick)
            QVERIFY(!findDueOccurrence(AlarmKind::Once, store.layout.activeFolder(AlarmKind::Once), clock));
        // Left as it was, and not held open.
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(QFile::remove(path));
    }

    void aMissingFolderFindsNothing()
    {
        QTemporaryDir dir;
        FakeClock clock(at(2007, 2, 3, 14, 0));
        QVERIFY(!findDueOccurrence(AlarmKind::Once, dir.filePath("Events/Once"), clock));
    }
};

QTEST_GUILESS_MAIN(TestDueChecks)
#include "tst_duechecks.moc"
