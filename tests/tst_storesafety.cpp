// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesizelimit.h"
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/model/alarmfile.h"
#include "core/settings/settingsfiles.h"
#include "core/store/safesave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

namespace {

const QByteArray oldAlarm("\"old\",\"ninguno\",\"7\",\"5\"\r\n");
const AlarmRecord newAlarm{ { "new", "ninguno", "7", "5" } };

// The writers under test, as one signature: write `path`, say why on failure.
using Writer = bool (*)(const QString &path, QString *error);
bool writeAlarm(const QString &path, QString *error)
{
    return writeAlarmFile(path, AlarmKind::Daily, newAlarm, error);
}
bool writeSetting(const QString &path, QString *error)
{
    return writeSettingFile(path, false, error);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestStoreSafety : public QObject
{
    Q_OBJECT

    static void addWriters()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("alarm") << Writer(writeAlarm) << "7-5.alm" << oldAlarm;
        QTest::newRow("setting") << Writer(writeSetting) << "past.bvr" << QByteArray("#TRUE#\r\n");
    }

    // A write that fails for want of space must say so and leave the old file, or no file, and no temporary.
    static void checkFullDisk(const QString &folder, Writer writer, const QString &name, const QByteArray &old,
                              bool limitSize)
    {
        const QString file = QDir(folder).filePath(name);
        const QString fresh = QDir(folder).filePath(QStringLiteral("fresh-") + name);
        QString error;
        {
            const std::optional<FileSizeLimit> full = limitSize ? std::optional<FileSizeLimit>(4) : std::nullopt;
            QVERIFY(!writer(file, &error));
            QVERIFY(!writer(fresh, nullptr));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(file), old);
        QVERIFY(!QFileInfo::exists(fresh));
        QCOMPARE(entries(folder), QStringList{ name });
    }

private slots:
    void fullDiskKeepsTheOldFile_data() { addWriters(); }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(Writer, writer);
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        QTemporaryDir dir;
        writeBytes(dir.filePath(name), old);
        checkFullDisk(dir.path(), writer, name, old, true);
    }

    // The same on a real full file system: tests/scripts/full_disk.sh mounts a small one, fills it and names it.
    void fullFileSystemKeepsTheOldFile_data() { addWriters(); }
    void fullFileSystemKeepsTheOldFile()
    {
        QFETCH(Writer, writer);
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        const QString full = qEnvironmentVariable("BREVORA_FULL_FOLDER");
        if (full.isEmpty())
            QSKIP("no full file system given");
        const QString folder = QDir(full).filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QFileInfo(folder).isDir());
        // The script put the old file there before filling the disk.
        checkFullDisk(folder, writer, name, old, false);
    }

    // A store entry that is a link, even one naming nothing, or that is not a regular file is never written through:
    // the write fails with a message and everything outside stays as it was.
    void writersRefuseLinksAndSpecialFiles_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("entry");
        for (const auto &[tag, writer] : { std::pair{ "alarm", Writer(writeAlarm) }, { "setting", writeSetting } }) {
            for (const char *entry : { "link", "dangling link", "pipe", "folder" })
                QTest::addRow("%s, %s", tag, entry) << writer << QString::fromLatin1(entry);
        }
    }
    void writersRefuseLinksAndSpecialFiles()
    {
        QFETCH(Writer, writer);
        QFETCH(QString, entry);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("store"));
        QDir().mkpath(dir.filePath("outside"));
        const QString target = dir.filePath("outside/target");
        const QString file = dir.filePath("store/entry");
        if (entry != u"dangling link")
            writeBytes(target, "keep me");
        if (entry.contains(u"link"))
            QVERIFY(QFile::link(target, file));
        else if (entry == u"pipe")
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        else
            QVERIFY(QDir().mkdir(file));

        QString error;
        QVERIFY(!writer(file, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(file)), qPrintable(error));
        QCOMPARE(readBytes(target), entry == u"dangling link" ? QByteArray() : QByteArray("keep me"));
        QCOMPARE(QFileInfo::exists(target), entry != u"dangling link");
        QCOMPARE(QFileInfo(file).isSymLink(), entry.contains(u"link"));
        QCOMPARE(entries(dir.filePath("store")), QStringList{ "entry" });
    }

    // A file the user made read-only is not replaced by a save.
    void readOnlyFilesAreKept_data() { addWriters(); }
    void readOnlyFilesAreKept()
    {
        QFETCH(Writer, writer);
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        if (geteuid() == 0)
            QSKIP("root writes to read-only files");
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        writeBytes(file, old);
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        QString error;
        QVERIFY(!writer(file, &error));
        QVERIFY2(error.contains("read-only"), qPrintable(error));
        QCOMPARE(readBytes(file), old);
        QCOMPARE(entries(dir.path()), QStringList{ name });
    }

    // A pipe named like an alarm or a setting reads as damaged at once instead of waiting for a writer for good.
    void readersDoNotWaitOnPipes()
    {
        StoreFixture store;
        const QString alarm = store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        const QString settings = store.layout.settingsFolder();
        for (const QString &pipe : { alarm, settings + "/past.bvr", settings + "/hide.bvr" })
            QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        writeBytes(settings + "/startup.bvr", "#TRUE#\r\n");

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(readAlarmFile(alarm, AlarmKind::Daily), std::optional<AlarmRecord>());
        QCOMPARE(readSettings(settings), (LiveSettings{ true, true, false, false }));
        // The start's repair cannot put a file in the pipe's place: it says so instead.
        const RepairResult repair = repairSettings(settings);
        QCOMPARE(repair.failed, 1);
        QVERIFY(repair.report && repair.report->warning);
        QVERIFY2(repair.report->text.contains("past.bvr is not a regular file"), qPrintable(repair.report->text));
        QVERIFY(timer.elapsed() < 10000);
    }

    // Only the temporaries our saves make are removed at the start; a user's own copies beside the alarms, named
    // as people name backups, stay whatever they look like.
    void onlyOurOwnLeftoversAreRemoved()
    {
        StoreFixture store;
        const QString folder = store.layout.activeFolder(AlarmKind::Daily);
        const QString settings = store.layout.settingsFolder();
        // A save killed after its temporary was written leaves a name of this form.
        const QString ours = saveTemporaryPath(folder + "/7-5.alm");
        const QStringList leftovers{ QFileInfo(ours).fileName(), ".Monday_8-30.ALM.brevora-save-abc123",
                                     ".past.bvr.brevora-save-YbZpcU" };
        const QStringList kept{ "7-5.alm",
                                "past.bvr",
                                "notes.txt",
                                "7-5.alm.backup",
                                "notes.alm.backup",
                                "Monday_8-30.alm.before",
                                "past.bvr.backup",
                                "7-5.alm.pANMVD",
                                ".7-5.alm.brevora-save-",
                                ".7-5.alm.brevora-save-abc1234",
                                "x.brevora-save-abcdef" };
        for (const QString &name : leftovers + kept)
            writeBytes(QDir(folder).filePath(name), "x");
        QCOMPARE(removeSaveLeftovers(folder), leftovers.size());
        QStringList left = entries(folder);
        left.sort();
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(left, expected);

        // Every save makes its temporary under such a name, and leaves none behind.
        QVERIFY(writeSettingFile(settings + "/past.bvr", true));
        QVERIFY(writeAlarmFile(folder + "/7-5.alm", AlarmKind::Daily, newAlarm));
        QCOMPARE(readBytes(folder + "/7-5.alm.backup"), QByteArray("x"));
        QCOMPARE(entries(settings).filter("brevora-save"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStoreSafety)
#include "tst_storesafety.moc"
