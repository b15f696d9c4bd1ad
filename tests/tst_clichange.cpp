// SPDX-License-Identifier: GPL-3.0-or-later
// Changing and deleting an alarm from a terminal: --add ... --replace and --delete.
#include "clifixture.h"

#include "core/model/alarmfile.h"

#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <optional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

namespace {

// Every file under Events, sorted, with its bytes: the whole of what a command may have changed.
QStringList storeContents(const CliFixture &f)
{
    QStringList files;
    QDirIterator it(f.store.dir.path() + "/Events", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append(QDir(f.store.dir.path()).relativeFilePath(path) + " " + QString::fromUtf8(readBytes(path)));
    }
    files.sort();
    return files;
}

QString line(const QStringList &fields)
{
    return QString::fromUtf8(formatAlarmLine(fields));
}

// Keeps files from being removed from the folder or added to it while it lives. Root passes over permissions, so
// for root the folder is made immutable instead.
class LockedFolder
{
public:
    explicit LockedFolder(const QString &folder)
        : m_folder(folder)
    {
        QVERIFY2(set(true), "the folder could not be locked");
    }
    ~LockedFolder() { set(false); }

private:
    bool set(bool locked)
    {
        if (::geteuid() != 0)
            return QFile::setPermissions(m_folder,
                                         locked ? QFile::ReadOwner | QFile::ExeOwner
                                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const int fd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = locked ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    QString m_folder;
};

} // namespace

class CliChangeTest : public QObject
{
    Q_OBJECT
private slots:
    // What is named stands for the alarm at 14:00, waiting or not; "@" is the store's folder.
    void replaceChangesTheNamedAlarm_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("after");
        const QString tea = "Events/Day/14-30.alm " + line({ "Tea", noSound, "14", "30" });
        const QString old = "Events/Day/14-0.alm " + line({ "old", noSound, "14", "0" });
        const QString other = "Events/Day/14-30.alm " + line({ "other", noSound, "14", "30" });
        QTest::newRow("by name: a new minute")
            << QStringList{ "daily", "14:30", "--replace", "14-0.alm" } << 0 << QStringList{ tea };
        QTest::newRow("by path: the same minute")
            << QStringList{ "daily", "14:00", "--replace", "@/Events/Day/14-0.alm" } << 0
            << QStringList{ "Events/Day/14-0.alm " + line({ "Tea", noSound, "14", "0" }) };
        QTest::newRow("into another kind")
            << QStringList{ "weekly", "Monday", "9:00", "--replace", "@/Events/Day/14-0.alm" } << 0
            << QStringList{ "Events/Week/Monday_9-0.alm " + line({ "Tea", noSound, "Monday", "9", "0" }) };
        QTest::newRow("onto another alarm")
            << QStringList{ "daily", "14:30", "--replace", "@/Events/Day/14-0.alm" } << 1 << QStringList{ old, other };
        QTest::newRow("onto another alarm, forced")
            << QStringList{ "daily", "14:30", "--replace", "14-0.alm", "--force" } << 0 << QStringList{ tea };
        QTest::newRow("no such alarm") << QStringList{ "daily", "14:30", "--replace", "15-0.alm" } << 1
                                       << QStringList{ old, other };
        QTest::newRow("a file outside the store")
            << QStringList{ "daily", "14:45", "--replace", "@/Program files/Settings/past.bvr" } << 1
            << QStringList{ old, other };
        QTest::newRow("a field the clock never writes")
            << QStringList{ "daily", "25:00", "--replace", "14-0.alm" } << 1 << QStringList{ old, other };
        QTest::newRow("by name, a file that is not an alarm")
            << QStringList{ "daily", "14:45", "--replace", "notes.txt" } << 1 << QStringList{ old, other };
        // Written, but the old alarm stayed: two alarms where one was meant is no success.
        QTest::newRow("the old alarm cannot be removed")
            << QStringList{ "weekly", "Monday", "9:00", "--replace", "@/Events/Day/14-0.alm" } << 1
            << QStringList{ old, other, "Events/Week/Monday_9-0.alm " + line({ "Tea", noSound, "Monday", "9", "0" }) };
    }

    void replaceChangesTheNamedAlarm()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, after);
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "14-0.alm"), { "old", noSound, "14", "0" });
        if (QString(QTest::currentDataTag()).startsWith("onto") || status != 0)
            f.put(f.active(AlarmKind::Daily, "14-30.alm"), { "other", noSound, "14", "30" });
        writeBytes(f.active(AlarmKind::Daily, "notes.txt"), "keep\r\n");
        after.append("Events/Day/notes.txt keep\r\n");
        after.sort();
        args.replaceInStrings("@", f.store.dir.path());
        std::optional<LockedFolder> locked;
        if (QString(QTest::currentDataTag()).contains("cannot be removed"))
            locked.emplace(f.store.layout.activeFolder(AlarmKind::Daily));
        const auto r = f.run(QStringList{ "--add" } + args + QStringList{ "--text", "Tea" });
        locked.reset();
        QCOMPARE(r.status, status);
        QVERIFY2(status != 0 ? r.err.startsWith("brevora") || r.err.contains(": ") : r.err.isEmpty(),
                 qPrintable(r.err));
        QCOMPARE(storeContents(f), after);
    }

    // The same safety as the window's Delete: only an alarm file of the store goes, a read-only one too.
    void deleteRemovesOnlyAnAlarmOfTheStore_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("gone");
        QTest::newRow("a path") << QStringList{ "@/Events/Day/14-0.alm" } << 0 << "Events/Day/14-0.alm";
        QTest::newRow("a relative path") << QStringList{ "Events/Day/14-0.alm" } << 0 << "Events/Day/14-0.alm";
        QTest::newRow("kind and name") << QStringList{ "daily", "14-0.alm" } << 0 << "Events/Day/14-0.alm";
        QTest::newRow("waiting") << QStringList{ "daily", "9-0.alm" } << 0 << "Events/Past/Day/9-0.alm";
        QTest::newRow("read-only") << QStringList{ "monthly", "1_8-0.alm" } << 0 << "Events/Month/1_8-0.alm";
        QTest::newRow("name in another letter case") << QStringList{ "daily", "14-0.ALM" } << 1 << "";
        QTest::newRow("name of another kind") << QStringList{ "weekly", "14-0.alm" } << 1 << "";
        QTest::newRow("a settings file") << QStringList{ "@/Program files/Settings/past.bvr" } << 1 << "";
        QTest::newRow("not an alarm file") << QStringList{ "@/Events/Day/notes.txt" } << 1 << "";
        QTest::newRow("kind and a name that is not an alarm's") << QStringList{ "daily", "notes.txt" } << 1 << "";
        QTest::newRow("read-only, in a folder that keeps its files")
            << QStringList{ "monthly", "1_8-0.alm" } << 1 << "";
        QTest::newRow("a path out of the store") << QStringList{ "@/Events/Day/../../outside.alm" } << 1 << "";
        QTest::newRow("a folder") << QStringList{ "@/Events/Day" } << 1 << "";
        QTest::newRow("unknown kind") << QStringList{ "hourly", "14-0.alm" } << 2 << "";
        QTest::newRow("too many") << QStringList{ "daily", "14-0.alm", "9-0.alm" } << 2 << "";
    }

    void deleteRemovesOnlyAnAlarmOfTheStore()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, gone);
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "14-0.alm"), { "tea", noSound, "14", "0" });
        f.put(f.past(AlarmKind::Daily, "9-0.alm"), { "walk", noSound, "9", "0" });
        f.put(f.active(AlarmKind::Monthly, "1_8-0.alm"), { "rent", noSound, "1", "8", "0" });
        QVERIFY(QFile::setPermissions(f.active(AlarmKind::Monthly, "1_8-0.alm"), QFile::ReadOwner));
        writeBytes(f.active(AlarmKind::Daily, "notes.txt"), "keep\r\n");
        writeBytes(f.store.dir.path() + "/outside.alm", "keep\r\n");
        const QStringList before = storeContents(f);
        args.replaceInStrings("@", f.store.dir.path());
        QDir::setCurrent(f.store.dir.path());

        std::optional<LockedFolder> locked;
        if (QString(QTest::currentDataTag()).contains("keeps its files"))
            locked.emplace(f.store.layout.activeFolder(AlarmKind::Monthly));
        const auto r = f.run(QStringList{ "--delete" } + args);
        locked.reset();
        QCOMPARE(r.status, status);
        // A file that stays keeps its read-only mark.
        if (QFileInfo::exists(f.active(AlarmKind::Monthly, "1_8-0.alm")))
            QCOMPARE(QFile::permissions(f.active(AlarmKind::Monthly, "1_8-0.alm")) & QFile::WriteOwner,
                     QFileDevice::Permissions());
        QStringList expected = before;
        if (!gone.isEmpty()) {
            expected.removeIf([&](const QString &entry) { return entry.startsWith(gone + ' '); });
            QCOMPARE(r.out, QDir::toNativeSeparators(f.store.dir.path() + u'/' + gone) + '\n');
        } else {
            QVERIFY2(!r.err.isEmpty(), "a refusal says why");
        }
        QCOMPARE(storeContents(f), expected);
        QVERIFY(QFile::exists(f.store.dir.path() + "/outside.alm"));
        QVERIFY(QFile::exists(f.store.dir.path() + "/Program files/Settings/past.bvr"));
    }

    // A name is bytes: one that is not UTF-8 is never spelt as the file whose name its text would make.
    void namesThatAreNotUtf8()
    {
        CliFixture f;
        const QByteArray folder = QFile::encodeName(f.store.layout.activeFolder(AlarmKind::Daily));
        const QByteArray latin = folder + "/caf\xe9.alm";
        const QByteArray replacement = folder + "/caf\xef\xbf\xbd.alm";
        // Qt cannot name the file, so the temporary folder would keep it.
        const auto removeLatin = qScopeGuard([&] { ::unlink(latin.constData()); });
        for (const QByteArray &path : { latin, replacement }) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, path.constData(), size_t(path.size())), ssize_t(path.size()));
            ::close(fd);
        }
        for (const QByteArrayList &args : { QByteArrayList{ "--delete", latin },
                                            { "--delete", "daily", "caf\xe9.alm" },
                                            { "--add", "daily", "14:30", "--text", "Tea", "--replace", latin } }) {
            const auto r = f.runBytes(args);
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains("caf\\xe9.alm: is not valid UTF-8"), qPrintable(r.err));
            QVERIFY(QFile::exists(QFile::decodeName(replacement)));
            QVERIFY(::access(latin.constData(), F_OK) == 0);
        }

        // The store's listings name it as it is, or not at all.
        const auto check = f.run({ "--check" });
        QVERIFY2(check.err.contains(f.store.layout.activeFolder(AlarmKind::Daily)
                                    + "/caf\\xe9.alm: its name is not valid UTF-8"),
                 qPrintable(check.err));
        const auto list = f.run({ "--list", "--json" });
        QCOMPARE(list.out.count(QString::fromUtf8("caf\xef\xbf\xbd.alm")), 1);
    }
};

QTEST_MAIN(CliChangeTest)
#include "tst_clichange.moc"
