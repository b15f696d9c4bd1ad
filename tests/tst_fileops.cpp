// SPDX-License-Identifier: GPL-3.0-or-later
#include "kindcases.h"
#include "storefixture.h"

#include "core/model/alarmfile.h"
#include "core/model/alarmkind.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "os/files/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

void makeFolders(const QString &base, const QStringList &relative)
{
    for (const QString &folder : relative)
        QVERIFY2(QDir(base).mkpath(folder), qPrintable(folder));
}

// Names as the file system holds them, so that a check sees letter case even on a system that ignores it.
QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.sort(Qt::CaseSensitive);
    return names;
}

// The owner's bits alone: the "user" bits tell what this process may do, which is everything for root.
QFileDevice::Permissions ownerBits(const QString &path)
{
    return QFile::permissions(path) & QFileDevice::Permissions(0xf000);
}

} // namespace

class TestFileOps : public QObject
{
    Q_OBJECT

private slots:
    void moveKeepsContentAndRemovesSource()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        makeFolders(dir.path(), { "from", "to" });
        const QString source = dir.filePath("from/7-5.alm");
        const QString destination = dir.filePath("to/7-5.alm");
        const QByteArray bytes("\"Wake up\",\"ninguno\",\"7\",\"5\"\r\n");
        writeBytes(source, bytes);

        QCOMPARE(moveFile(source, destination), MoveResult::Moved);
        QVERIFY(!QFileInfo::exists(source));
        QCOMPARE(readBytes(destination), bytes);
    }

    void moveOfMissingSource()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(moveFile(dir.filePath("absent.alm"), dir.filePath("there.alm")), MoveResult::SourceMissing);
        QVERIFY(!QFileInfo::exists(dir.filePath("there.alm")));
    }

    // Two alarms differing only in letter case are the same alarm on a Windows file system, so a move must never put
    // a second one beside the first, nor replace it.
    void moveNeverOverwrites_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("existing");
        QTest::newRow("same name") << "7-5.alm"
                                   << "7-5.alm";
        QTest::newRow("upper-case extension") << "7-5.alm"
                                              << "7-5.ALM";
        QTest::newRow("mixed-case extension") << "7-5.alm"
                                              << "7-5.aLm";
        QTest::newRow("weekday in lower case") << "Monday_8-30.alm"
                                               << "monday_8-30.alm";
        QTest::newRow("weekday in upper case") << "Monday_8-30.alm"
                                               << "MONDAY_8-30.ALM";
    }
    void moveNeverOverwrites()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, existing);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        makeFolders(dir.path(), { "from", "x" });
        const QString source = dir.filePath("from/" + wanted);
        const QString occupant = dir.filePath("x/" + existing);
        writeBytes(source, "new\r\n");
        writeBytes(occupant, "old\r\n");

        QCOMPARE(moveFile(source, dir.filePath("x/" + wanted)), MoveResult::DestinationExists);
        QCOMPARE(readBytes(source), QByteArray("new\r\n"));
        QCOMPARE(readBytes(occupant), QByteArray("old\r\n"));
        QCOMPARE(entries(dir.filePath("x")), QStringList{ existing });
    }

    void moveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString source = dir.filePath("7-5.alm");
        writeBytes(source, "keep\r\n");
        const MoveResult result = moveFile(source, dir.filePath("nowhere/7-5.alm"));
        QVERIFY(result != MoveResult::Moved);
        QVERIFY(result != MoveResult::SourceMissing);
        QCOMPARE(readBytes(source), QByteArray("keep\r\n"));
        QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
    }

    // Files copied from a CD or set read-only by the user still have to go when their alarm is deleted.
    void deleteForcedRemovesReadOnlyFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("1_9-0.alm");
        writeBytes(file, "x\r\n");
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        QVERIFY(!(QFile::permissions(file) & QFileDevice::WriteOwner));

        QVERIFY(deleteFileForced(file));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!deleteFileForced(file));
    }

    // A link in the store is the store's entry: deleting it removes the link, even one that names nothing, and
    // never touches what it names.
    void deleteForcedRemovesLinksNotTargets_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("to a read-only file") << false;
        QTest::newRow("naming nothing") << true;
    }
    void deleteForcedRemovesLinksNotTargets()
    {
        QFETCH(bool, dangling);
        QTemporaryDir dir;
        const QString target = dir.filePath("outside");
        const QString link = dir.filePath("7-5.alm");
        if (!dangling) {
            writeBytes(target, "keep");
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
        }
        QVERIFY(QFile::link(target, link));
        QVERIFY(deleteFileForced(link));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo::exists(target), !dangling);
        if (!dangling) {
            QCOMPARE(readBytes(target), QByteArray("keep"));
            QCOMPARE(ownerBits(target), QFileDevice::Permissions(QFileDevice::ReadOwner));
        }
    }

    // The retry of a delete that failed may make the file writable, but never what a link names.
    void permissionRetryNeverFollowsLinks()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("outside");
        const QString link = dir.filePath("link");
        writeBytes(target, "keep");
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
        QVERIFY(QFile::link(target, link));
        QVERIFY(!makeWritableByOwner(link));
        QCOMPARE(ownerBits(target), QFileDevice::Permissions(QFileDevice::ReadOwner));
        QVERIFY(makeWritableByOwner(target));
        QVERIFY(QFile::permissions(target) & QFileDevice::WriteOwner);
    }

    void deleteForcedOfMissingFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(!deleteFileForced(dir.filePath("absent.alm")));
        QVERIFY(!deleteFileForced(dir.filePath("no/such/folder/absent.alm")));
    }

    void listFolderFilesOnly_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");

        const QStringList mixed{ "b.alm", "A.alm", "c.txt" };
        QTest::newRow("alm only") << mixed << QStringList{} << "*.alm" << QStringList{ "A.alm", "b.alm" };
        QTest::newRow("everything") << mixed << QStringList{} << "*" << QStringList{ "A.alm", "b.alm", "c.txt" };
        QTest::newRow("default pattern lists everything")
            << mixed << QStringList{} << QString() << QStringList{ "A.alm", "b.alm", "c.txt" };
        QTest::newRow("sorted without regard to case")
            << QStringList{ "B.alm", "a.alm", "C.alm", "d.alm" } << QStringList{} << "*.alm"
            << QStringList{ "a.alm", "B.alm", "C.alm", "d.alm" };
        QTest::newRow("upper-case name, lower-case pattern")
            << QStringList{ "X.ALM", "y.Alm", "z.alm" } << QStringList{} << "*.alm"
            << QStringList{ "X.ALM", "y.Alm", "z.alm" };
        QTest::newRow("lower-case name, upper-case pattern")
            << QStringList{ "x.alm", "y.txt" } << QStringList{} << "*.ALM" << QStringList{ "x.alm" };
        QTest::newRow("exact name in another case")
            << QStringList{ "monday_8-30.alm", "Tuesday_8-30.alm" } << QStringList{} << "Monday_8-30.alm"
            << QStringList{ "monday_8-30.alm" };
        QTest::newRow("sub-folders never listed")
            << QStringList{ "a.alm" } << QStringList{ "x.alm", "sub", "Events" } << "*" << QStringList{ "a.alm" };
        QTest::newRow("sub-folder with an alarm name")
            << QStringList{ "a.alm" } << QStringList{ "x.alm" } << "*.alm" << QStringList{ "a.alm" };
        QTest::newRow("hidden files never listed")
            << QStringList{ ".hidden.alm", "shown.alm", ".x" } << QStringList{ ".hiddenfolder" } << "*"
            << QStringList{ "shown.alm" };
        QTest::newRow("hidden alarm with alarm pattern")
            << QStringList{ ".hidden.alm", "shown.alm" } << QStringList{} << "*.alm" << QStringList{ "shown.alm" };
        QTest::newRow("nothing matches") << mixed << QStringList{} << "*.bvr" << QStringList{};
        QTest::newRow("empty folder") << QStringList{} << QStringList{} << "*" << QStringList{};
    }
    void listFolderFilesOnly()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &name : files)
            writeBytes(dir.filePath(name), "x\r\n");
        makeFolders(dir.path(), folders);

        const QStringList listed = pattern.isNull() ? listFolder(dir.path()) : listFolder(dir.path(), pattern);
        QCOMPARE(listed, expected);
    }

    void listMissingFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(listFolder(dir.filePath("absent"), "*.alm"), QStringList());
        QCOMPARE(listFolder(dir.filePath("absent/deeper")), QStringList());
    }

    void findNameIgnoringCase_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        QTest::newRow("folder in lower case") << QStringList{} << QStringList{ "events" } << "Events"
                                              << "events";
        QTest::newRow("folder in upper case") << QStringList{} << QStringList{ "EVENTS" } << "Events"
                                              << "EVENTS";
        QTest::newRow("exact folder") << QStringList{} << QStringList{ "Events" } << "Events"
                                      << "Events";
        QTest::newRow("file in lower case") << QStringList{ "monday_8-30.alm" } << QStringList{} << "Monday_8-30.alm"
                                            << "monday_8-30.alm";
        QTest::newRow("extension in upper case") << QStringList{ "7-5.ALM" } << QStringList{} << "7-5.alm"
                                                 << "7-5.ALM";
        QTest::newRow("exact file") << QStringList{ "7-5.alm", "other.alm" } << QStringList{} << "7-5.alm"
                                    << "7-5.alm";
        QTest::newRow("hidden file") << QStringList{ ".Hidden.alm" } << QStringList{} << ".hidden.alm"
                                     << ".Hidden.alm";
        QTest::newRow("absent") << QStringList{ "7-5.alm" } << QStringList{ "events" } << "7-6.alm"
                                << "";
        QTest::newRow("prefix is not a match") << QStringList{ "7-5.alm.bak" } << QStringList{} << "7-5.alm"
                                               << "";
        QTest::newRow("empty folder") << QStringList{} << QStringList{} << "Events"
                                      << "";
    }
    void findNameIgnoringCase()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &file : files)
            writeBytes(dir.filePath(file), "x\r\n");
        makeFolders(dir.path(), folders);
        QCOMPARE(brevora::findNameIgnoringCase(dir.path(), name), expected);
    }

    void findNameInMissingFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(brevora::findNameIgnoringCase(dir.filePath("absent"), "Events"), QString());
    }

    void resolvePathIgnoringCase_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole tree in lower case") << QStringList{ "events/once" } << "Events/Once"
                                                  << "events/once";
        QTest::newRow("with final slash") << QStringList{ "events/once" } << "Events/Once/"
                                          << "events/once";
        QTest::newRow("only the top exists") << QStringList{ "events" } << "Events/Once"
                                             << "events/Once";
        QTest::newRow("nothing exists") << QStringList{} << "Events/Past/Day"
                                        << "Events/Past/Day";
        QTest::newRow("mixed cases on disk") << QStringList{ "EVENTS/past" } << "Events/Past/Day"
                                             << "EVENTS/past/Day";
        QTest::newRow("exact tree") << QStringList{ "Events/Once" } << "Events/Once"
                                    << "Events/Once";
        QTest::newRow("blank inside a name") << QStringList{ "program FILES/settings" } << "Program files/Settings/"
                                             << "program FILES/settings";
        QTest::newRow("missing middle keeps given case") << QStringList{ "events/day" } << "Events/Past/Day"
                                                         << "events/Past/Day";
    }
    void resolvePathIgnoringCase()
    {
        QFETCH(QStringList, tree);
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        makeFolders(dir.path(), tree);
        QCOMPARE(QDir::cleanPath(brevora::resolvePathIgnoringCase(dir.path(), relative)), dir.filePath(expected));
    }

    void layoutCreatesWholeTree()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const StoreLayout layout(dir.path());
        QCOMPARE(layout.createMissingFolders(), QStringList());

        const QStringList expected{ "Events/Once",           "Events/Day",        "Events/Week",
                                    "Events/Month",          "Events/Year",       "Events/Past/Day",
                                    "Events/Past/Week",      "Events/Past/Month", "Events/Past/Year",
                                    "Program files/Settings" };
        for (const QString &folder : expected)
            QVERIFY2(QFileInfo(dir.filePath(folder)).isDir(), qPrintable(folder));
        QCOMPARE(entries(dir.path()), (QStringList{ "Events", "Program files" }));
        QCOMPARE(entries(dir.filePath("Events")), (QStringList{ "Day", "Month", "Once", "Past", "Week", "Year" }));
        QCOMPARE(entries(dir.filePath("Events/Past")), (QStringList{ "Day", "Month", "Week", "Year" }));
        QCOMPARE(entries(dir.filePath("Program files")), QStringList{ "Settings" });

        // Running it again on a complete tree changes nothing.
        QCOMPARE(layout.createMissingFolders(), QStringList());
        QCOMPARE(entries(dir.path()), (QStringList{ "Events", "Program files" }));
    }

    void layoutFolders_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("past");
        addKindRows(
            [](QTestData &row, const KindCase &c) { row << c.kind << QString(c.folder) << QString(c.pastFolder); });
    }

    void layoutFolders()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, active);
        QFETCH(QString, past);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const StoreLayout layout(dir.path());
        QCOMPARE(layout.programDir(), dir.path());
        QCOMPARE(QDir::cleanPath(layout.activeFolder(kind)), dir.filePath(active));
        QCOMPARE(QDir::cleanPath(layout.activePath(kind, "x.alm")), dir.filePath(active + "/x.alm"));
        QCOMPARE(QDir::cleanPath(layout.settingsFolder()), dir.filePath("Program files/Settings"));
        if (past.isEmpty()) {
            QVERIFY(layout.pastFolder(kind).isEmpty());
        } else {
            QCOMPARE(QDir::cleanPath(layout.pastFolder(kind)), dir.filePath(past));
            QCOMPARE(QDir::cleanPath(layout.pastPath(kind, "x.alm")), dir.filePath(past + "/x.alm"));
        }
    }

    // A tree made on Windows and copied over keeps its own letter case; the program must use it rather than grow a
    // second, empty tree beside it and lose sight of the user's alarms.
    void layoutUsesExistingLowerCaseTree()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        makeFolders(dir.path(), { "events/once", "events/day", "events/past/week", "program files/settings" });
        writeBytes(dir.filePath("events/day/7-5.alm"), "\"Wake up\",\"ninguno\",\"7\",\"5\"\r\n");

        const StoreLayout layout(dir.path());
        QCOMPARE(QDir::cleanPath(layout.activeFolder(AlarmKind::Once)), dir.filePath("events/once"));
        QCOMPARE(QDir::cleanPath(layout.activeFolder(AlarmKind::Daily)), dir.filePath("events/day"));
        QCOMPARE(QDir::cleanPath(layout.activeFolder(AlarmKind::Weekly)), dir.filePath("events/Week"));
        QCOMPARE(QDir::cleanPath(layout.pastFolder(AlarmKind::Weekly)), dir.filePath("events/past/week"));
        QCOMPARE(QDir::cleanPath(layout.pastFolder(AlarmKind::Daily)), dir.filePath("events/past/Day"));
        QCOMPARE(QDir::cleanPath(layout.settingsFolder()), dir.filePath("program files/settings"));
        QVERIFY(readAlarmFile(layout.activePath(AlarmKind::Daily, "7-5.alm"), AlarmKind::Daily).has_value());

        QCOMPARE(layout.createMissingFolders(), QStringList());
        QCOMPARE(entries(dir.path()), (QStringList{ "events", "program files" }));
        QCOMPARE(entries(dir.filePath("events")), (QStringList{ "Month", "Week", "Year", "day", "once", "past" }));
        QCOMPARE(entries(dir.filePath("events/past")), (QStringList{ "Day", "Month", "Year", "week" }));
        QCOMPARE(entries(dir.filePath("program files")), QStringList{ "settings" });
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"
