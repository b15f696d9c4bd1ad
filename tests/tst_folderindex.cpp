#include "fakeclock.h"
#include "storefixture.h"

#include "platform/clock.h"
#include "store/alarmfile.h"
#include "store/alarmkind.h"
#include "store/fileops.h"
#include "store/folderindex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

using namespace brevora;
using namespace brevora::test;

namespace {

constexpr qint64 nsPerMs = 1000000;

qint64 msOf(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second)).toMSecsSinceEpoch();
}

// The folder's modification time in ns since the epoch, or -1.
qint64 folderTimeNs(const QString &folder)
{
#ifdef Q_OS_UNIX
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return -1;
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#else
    Q_UNUSED(folder);
    return -1;
#endif
}

// Setting the stamp by hand makes the tests independent of how finely the file system stamps times, and lets them
// hide a change from the stamp to see which rule noticed it.
bool setFolderTimeNs(const QString &folder, qint64 ns)
{
#ifdef Q_OS_UNIX
    timespec times[2]{};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(ns / 1000000000);
    times[1].tv_nsec = long(ns % 1000000000);
    return ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0) == 0;
#else
    Q_UNUSED(folder);
    Q_UNUSED(ns);
    return false;
#endif
}

// A write that the program does not know about, as by the user or another copy of the program.
void writeBehindTheBack(const QString &path)
{
    writeBytes(path, "\"x\",\"ninguno\",\"7\",\"5\"\r\n");
}

} // namespace

class TestFolderIndex : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
#ifndef Q_OS_UNIX
        QSKIP("setting a folder's time stamp is only done with utimensat");
#endif
    }

    void findIgnoresCase_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("weekly in lower case")
            << QStringList{ "monday_8-30.alm", "Sunday_23-59.alm" } << "Monday_8-30.alm"
            << "monday_8-30.alm";
        QTest::newRow("asked in upper case") << QStringList{ "Monday_8-30.alm" } << "MONDAY_8-30.ALM"
                                             << "Monday_8-30.alm";
        QTest::newRow("extension in upper case") << QStringList{ "7-5.ALM" } << "7-5.alm"
                                                 << "7-5.ALM";
        QTest::newRow("exact") << QStringList{ "7-5.alm", "7-6.alm" } << "7-6.alm"
                               << "7-6.alm";
        QTest::newRow("absent") << QStringList{ "7-5.alm" } << "7-50.alm"
                                << "";
        QTest::newRow("longer name is not a match") << QStringList{ "7-5.alm.tmp" } << "7-5.alm"
                                                    << "";
        QTest::newRow("empty folder") << QStringList{} << "7-5.alm"
                                      << "";
    }
    void findIgnoresCase()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &file : files)
            writeBehindTheBack(dir.filePath(file));
        FakeClock fileClock;
        FolderIndex index(dir.path(), fileClock);
        QCOMPARE(index.folder(), dir.path());
        QCOMPARE(index.find(name), expected);
        QCOMPARE(index.find(name), expected);
    }

    // The due check asks for a name in every folder every few seconds: an unchanged folder must not be read again.
    void unchangedFolderIsListedOnce()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeBehindTheBack(dir.filePath("7-5.alm"));
        writeBehindTheBack(dir.filePath("8-0.alm"));
        FakeClock fileClock; // in 2007, far from the folder's stamp, so its listing is trusted at once
        FolderIndex index(dir.path(), fileClock);
        QCOMPARE(index.listings(), 0);

        QCOMPARE(index.find("7-5.alm"), QStringLiteral("7-5.alm"));
        QCOMPARE(index.listings(), 1);
        for (int i = 0; i < 50; ++i) {
            fileClock.advanceSeconds(1);
            QCOMPARE(index.find("8-0.ALM"), QStringLiteral("8-0.alm"));
            QCOMPARE(index.find("9-0.alm"), QString());
        }
        QCOMPARE(index.listings(), 1);
    }

    // The program's own changes must show at once, even where the folder's stamp is too coarse to have moved: the
    // stamp is put back after each change so that only the store's change counter can tell.
    void ownChangesSeenAtOnce()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("folder"));
        QVERIFY(QDir(dir.path()).mkpath("elsewhere"));
        const QString folder = dir.filePath("folder");
        FakeClock fileClock;
        FolderIndex index(folder, fileClock);
        QCOMPARE(index.find("7-5.alm"), QString());
        const qint64 stamp = folderTimeNs(folder);
        QVERIFY(stamp > 0);

        QVERIFY(
            writeAlarmFile(folder + "/7-5.alm", AlarmKind::Daily, AlarmRecord{ { "Wake up", "ninguno", "7", "5" } }));
        QVERIFY(setFolderTimeNs(folder, stamp));
        QCOMPARE(index.find("7-5.alm"), QStringLiteral("7-5.alm"));

        writeBehindTheBack(dir.filePath("elsewhere/Monday_8-30.alm"));
        QCOMPARE(moveFile(dir.filePath("elsewhere/Monday_8-30.alm"), folder + "/Monday_8-30.alm"), MoveResult::Moved);
        QVERIFY(setFolderTimeNs(folder, stamp));
        QCOMPARE(index.find("monday_8-30.alm"), QStringLiteral("Monday_8-30.alm"));

        QVERIFY(deleteFileForced(folder + "/7-5.alm"));
        QVERIFY(setFolderTimeNs(folder, stamp));
        QCOMPARE(index.find("7-5.alm"), QString());

        QCOMPARE(moveFile(folder + "/Monday_8-30.alm", dir.filePath("elsewhere/Monday_8-30.alm")), MoveResult::Moved);
        QVERIFY(setFolderTimeNs(folder, stamp));
        QCOMPARE(index.find("Monday_8-30.alm"), QString());
    }

    void outsideChangesSeenWhenStampMoves()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        const qint64 first = msOf(2020, 1, 1, 0, 0) * nsPerMs;
        QVERIFY(setFolderTimeNs(folder, first));
        FakeClock fileClock;
        FolderIndex index(folder, fileClock);
        QCOMPARE(index.find("7-5.alm"), QString());

        writeBehindTheBack(dir.filePath("7-5.alm"));
        QVERIFY(setFolderTimeNs(folder, first + 1000 * nsPerMs));
        fileClock.advanceSeconds(5);
        QCOMPARE(index.find("7-5.alm"), QStringLiteral("7-5.alm"));
        const int listings = index.listings();

        QVERIFY(QFile::remove(dir.filePath("7-5.alm")));
        QVERIFY(setFolderTimeNs(folder, first + 2000 * nsPerMs));
        fileClock.advanceSeconds(5);
        QCOMPARE(index.find("7-5.alm"), QString());
        QCOMPARE(index.listings(), listings + 1);

        // A stamp that moves backwards, as after restoring a backup, is a change too.
        writeBehindTheBack(dir.filePath("8-0.alm"));
        QVERIFY(setFolderTimeNs(folder, first - 3600 * 1000 * nsPerMs));
        fileClock.advanceSeconds(5);
        QCOMPARE(index.find("8-0.alm"), QStringLiteral("8-0.alm"));
    }

    // The program may start before the user's folders exist, or they may be removed while it runs.
    void missingFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath("Events/Day");
        FakeClock fileClock;
        FolderIndex index(folder, fileClock);
        QCOMPARE(index.find("7-5.alm"), QString());
        fileClock.advanceSeconds(60);
        QCOMPARE(index.find("7-5.alm"), QString());

        QVERIFY(QDir(dir.path()).mkpath("Events/Day"));
        writeBehindTheBack(folder + "/7-5.alm");
        fileClock.advanceSeconds(60);
        QCOMPARE(index.find("7-5.alm"), QStringLiteral("7-5.alm"));

        QVERIFY(QDir(dir.filePath("Events")).removeRecursively());
        fileClock.advanceSeconds(60);
        QCOMPARE(index.find("7-5.alm"), QString());
    }

    // A file made in the same stamp tick as a listing may leave the stamp as the listing saw it. So a listing taken
    // within 2 s of the stamp (by the file clock, on either side) is not trusted, and is made again once 100 ms
    // have passed; one taken farther away is trusted until the stamp moves.
    void listingNearTheStamp_data()
    {
        QTest::addColumn<qint64>("clockOffsetMs");
        QTest::addColumn<bool>("racy");
        QTest::newRow("same moment") << qint64(0) << true;
        QTest::newRow("half a second after") << qint64(500) << true;
        QTest::newRow("just under 2 s after") << qint64(1900) << true;
        QTest::newRow("a second before") << qint64(-1000) << true;
        QTest::newRow("2.5 s after") << qint64(2500) << false;
        QTest::newRow("2.5 s before") << qint64(-2500) << false;
        QTest::newRow("a day after") << qint64(24 * 3600 * 1000) << false;
    }
    void listingNearTheStamp()
    {
        QFETCH(qint64, clockOffsetMs);
        QFETCH(bool, racy);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        const qint64 stampMs = msOf(2007, 2, 3, 14, 0);
        QVERIFY(setFolderTimeNs(folder, stampMs * nsPerMs));
        FakeClock fileClock(QDateTime::fromMSecsSinceEpoch(stampMs + clockOffsetMs));
        FolderIndex index(folder, fileClock);
        QCOMPARE(index.find("7-5.alm"), QString());
        QCOMPARE(index.listings(), 1);

        writeBehindTheBack(dir.filePath("7-5.alm"));
        QVERIFY(setFolderTimeNs(folder, stampMs * nsPerMs));
        fileClock.set(fileClock.now().addMSecs(150));
        const QString found = index.find("7-5.alm");
        if (racy) {
            QCOMPARE(found, QStringLiteral("7-5.alm"));
            QCOMPARE(index.listings(), 2);
        } else {
            QCOMPARE(index.listings(), 1);
        }

        // Once a listing is taken far enough from the stamp, the folder is trusted again.
        fileClock.set(QDateTime::fromMSecsSinceEpoch(stampMs + 10000));
        index.find("7-5.alm");
        const int settled = index.listings();
        for (int i = 0; i < 20; ++i) {
            fileClock.set(fileClock.now().addMSecs(150));
            index.find("7-5.alm");
        }
        QCOMPARE(index.listings(), settled);
    }

    // The same with the real clock: a file made right after a listing, without the stamp moving, shows up shortly.
    void recentListingRedoneWithSystemClock()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath("Day");
        QVERIFY(QDir(dir.path()).mkpath("Day"));
        FolderIndex index(folder, SystemClock::instance());
        QCOMPARE(index.find("7-5.alm"), QString());
        const qint64 stamp = folderTimeNs(folder);
        QVERIFY(stamp > 0);

        writeBehindTheBack(folder + "/7-5.alm");
        QVERIFY(setFolderTimeNs(folder, stamp));
        QTRY_COMPARE_WITH_TIMEOUT(index.find("7-5.alm"), QStringLiteral("7-5.alm"), 400);
    }
};

QTEST_GUILESS_MAIN(TestFolderIndex)
#include "tst_folderindex.moc"
