// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "storefixture.h"

#include "core/life/occurrence.h"
#include "core/life/pastreturn.h"
#include "core/store/fileops.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

class TestPastReturn : public QObject
{
    Q_OBJECT

    static QStringList files(const QString &folder)
    {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort(Qt::CaseInsensitive);
        return names;
    }

private slots:
    void everyPastFolderEmptiesIntoItsActiveFolder()
    {
        StoreFixture store;
        const QByteArray day = "\"Wake up\",\"ninguno\",\"7\",\"5\"\r\n";
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), day);
        writeBytes(store.layout.pastPath(AlarmKind::Weekly, "Monday_8-30.alm"), "w");
        writeBytes(store.layout.pastPath(AlarmKind::Monthly, "1_9-0.alm"), "m");
        writeBytes(store.layout.pastPath(AlarmKind::Yearly, "24-12_20-15.alm"), "y");
        // Anything in a waiting folder goes back, whatever it is called.
        writeBytes(store.layout.pastPath(AlarmKind::Yearly, "notes.txt"), "n");

        const PastReturnReport report = returnPastAlarms(store.layout);
        QCOMPARE(report.returned, 5);
        QCOMPARE(report.skipped, 0);
        for (AlarmKind kind : recurringKinds)
            QVERIFY(files(store.layout.pastFolder(kind)).isEmpty());
        QCOMPARE(readBytes(store.layout.activePath(AlarmKind::Daily, "7-5.alm")), day);
        QCOMPARE(files(store.layout.activeFolder(AlarmKind::Weekly)), QStringList{ "Monday_8-30.alm" });
        QCOMPARE(files(store.layout.activeFolder(AlarmKind::Monthly)), QStringList{ "1_9-0.alm" });
        QCOMPARE(files(store.layout.activeFolder(AlarmKind::Yearly)), (QStringList{ "24-12_20-15.alm", "notes.txt" }));
        QVERIFY(files(store.layout.activeFolder(AlarmKind::Once)).isEmpty());
    }

    // A link among the folders of acknowledged alarms may name any folder of the user's, also one inside the
    // program folder: nothing is taken from it, and the report names it. A whole Events folder kept elsewhere is
    // the store itself and works as usual.
    void linkedPastFoldersAreLeftAlone_data()
    {
        QTest::addColumn<QString>("linked"); // the entry made a link, relative to the ProgramDir
        QTest::addColumn<bool>("inside"); // the folder it names lies in the ProgramDir
        QTest::addColumn<bool>("returns");
        for (const bool inside : { false, true }) {
            const char *where = inside ? "inside" : "outside";
            QTest::addRow("Events/Past, %s", where) << "Events/Past" << inside << false;
            QTest::addRow("Events/Past/Day, %s", where) << "Events/Past/Day" << inside << false;
        }
        QTest::newRow("whole Events") << "Events" << false << true;
    }
    void linkedPastFoldersAreLeftAlone()
    {
        QFETCH(QString, linked);
        QFETCH(bool, inside);
        QFETCH(bool, returns);
        StoreFixture store;
        QTemporaryDir outside;
        const QString target = inside ? store.dir.filePath("Documents") : outside.filePath("user folder");
        QVERIFY(QDir(store.dir.path()).rename(linked, target));
        QVERIFY(QFile::link(target, store.dir.filePath(linked)));
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "holiday.jpg"), "photo");
        writeBytes(store.layout.pastPath(AlarmKind::Weekly, "Monday_8-30.alm"), "w");

        const PastReturnReport report = returnPastAlarms(store.layout);
        const QStringList activeDay = files(store.layout.activeFolder(AlarmKind::Daily));
        if (returns) {
            QCOMPARE(report.linked, QStringList());
            QCOMPARE(activeDay, (QStringList{ "7-5.alm", "holiday.jpg" }));
            return;
        }
        QCOMPARE(activeDay, QStringList());
        QCOMPARE(files(store.layout.pastFolder(AlarmKind::Daily)), (QStringList{ "7-5.alm", "holiday.jpg" }));
        const bool wholePast = linked == u"Events/Past";
        QCOMPARE(report.linked.contains(store.layout.pastFolder(AlarmKind::Daily)), true);
        QCOMPARE(report.linked.size(), wholePast ? 4 : 1);
        QCOMPARE(report.returned, wholePast ? 0 : 1);
    }

    void aNewerActiveAlarmWinsOverItsWaitingCopy()
    {
        StoreFixture store;
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), "old");
        writeBytes(store.layout.activePath(AlarmKind::Daily, "7-5.alm"), "new");
        // The same alarm under another letter case is the same alarm.
        writeBytes(store.layout.pastPath(AlarmKind::Weekly, "monday_8-30.alm"), "old week");
        writeBytes(store.layout.activePath(AlarmKind::Weekly, "Monday_8-30.alm"), "new week");
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "8-0.alm"), "other");

        const PastReturnReport report = returnPastAlarms(store.layout);
        QCOMPARE(report.superseded, 2);
        QCOMPARE(report.returned, 1);
        QCOMPARE(readBytes(store.layout.activePath(AlarmKind::Daily, "7-5.alm")), QByteArray("new"));
        QCOMPARE(readBytes(store.layout.activePath(AlarmKind::Weekly, "Monday_8-30.alm")), QByteArray("new week"));
        QCOMPARE(files(store.layout.activeFolder(AlarmKind::Weekly)), QStringList{ "Monday_8-30.alm" });
        QCOMPARE(readBytes(store.layout.activePath(AlarmKind::Daily, "8-0.alm")), QByteArray("other"));
        QVERIFY(files(store.layout.pastFolder(AlarmKind::Daily)).isEmpty());
        QVERIFY(files(store.layout.pastFolder(AlarmKind::Weekly)).isEmpty());
    }

    // Twins that wait together are one alarm's spellings: all come back, and the due check shows the one it showed
    // before, with nothing deleted that the listing showed.
    void waitingTwinsAllComeBack_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<QString>("shown");
        QTest::newRow("extension") << AlarmKind::Daily << QStringList{ "7-5.ALM", "7-5.alm" }
                                   << QDateTime(QDate(2007, 2, 3), QTime(7, 5)) << "7-5.alm";
        QTest::newRow("weekday") << AlarmKind::Weekly << QStringList{ "MONDAY_8-30.alm", "Monday_8-30.alm" }
                                 << QDateTime(QDate(2007, 2, 5), QTime(8, 30)) << "Monday_8-30.alm";
    }
    void waitingTwinsAllComeBack()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, names);
        QFETCH(QDateTime, due);
        QFETCH(QString, shown);
        StoreFixture store;
        for (const QString &name : names)
            writeBytes(store.layout.pastPath(kind, name), name.toUtf8());
        const PastReturnReport report = returnPastAlarms(store.layout);
        QCOMPARE(report.returned, 2);
        QCOMPARE(report.superseded, 0);
        QStringList active = QDir(store.layout.activeFolder(kind)).entryList(QDir::Files);
        active.sort();
        QCOMPARE(active, names);
        QVERIFY(files(store.layout.pastFolder(kind)).isEmpty());
        const FakeClock clock(due);
        QCOMPARE(QFileInfo(dueFilePath(kind, store.layout.activeFolder(kind), clock)).fileName(), shown);
    }

    void aFailedMoveIsSkippedAndTheRestGoesOn()
    {
        StoreFixture store;
        writeBytes(store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), "day");
        writeBytes(store.layout.pastPath(AlarmKind::Monthly, "1_9-0.alm"), "month");
        // Without its active folder the daily alarm has nowhere to go.
        QVERIFY(QDir(store.layout.activeFolder(AlarmKind::Daily)).removeRecursively());

        const PastReturnReport report = returnPastAlarms(store.layout);
        QCOMPARE(report.skipped, 1);
        QCOMPARE(report.returned, 1);
        QCOMPARE(readBytes(store.layout.pastPath(AlarmKind::Daily, "7-5.alm")), QByteArray("day"));
        QCOMPARE(readBytes(store.layout.activePath(AlarmKind::Monthly, "1_9-0.alm")), QByteArray("month"));
    }

    void foldersAndHiddenFilesStay()
    {
        StoreFixture store;
        QVERIFY(QDir(store.layout.pastFolder(AlarmKind::Daily)).mkdir("sub.alm"));
        writeBytes(store.layout.pastPath(AlarmKind::Daily, ".hidden"), "h");
        const PastReturnReport report = returnPastAlarms(store.layout);
        QCOMPARE(report.returned, 0);
        QVERIFY(QFileInfo(store.layout.pastPath(AlarmKind::Daily, "sub.alm")).isDir());
        QVERIFY(QFile::exists(store.layout.pastPath(AlarmKind::Daily, ".hidden")));
    }

    void missingFoldersDoNotStopIt()
    {
        QTemporaryDir dir;
        StoreLayout layout(dir.path()); // nothing created
        const PastReturnReport report = returnPastAlarms(layout);
        QCOMPARE(report.returned + report.skipped + report.superseded, 0);
    }
};

QTEST_GUILESS_MAIN(TestPastReturn)
#include "tst_pastreturn.moc"
