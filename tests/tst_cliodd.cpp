// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line says of a store that holds things other than files and folders where alarms belong:
// pipes, devices, links that lead nowhere, a file where a folder belongs, a folder it may not read.
#include "clifixture.h"

#include "core/settings/lastrunning.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

// Puts one odd thing at `path`.
using Make = std::function<void(const QString &path)>;
Q_DECLARE_METATYPE(Make)

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

void link(const QString &target, const QString &path)
{
    QCOMPARE(::symlink(native(target).constData(), native(path).constData()), 0);
}

// Two links that lead to each other.
void linkLoop(const QString &path)
{
    link(path + ".other", path);
    link(path, path + ".other");
}

} // namespace

class CliOddEntriesTest : public QObject
{
    Q_OBJECT
private slots:
    void entryNamedLikeAnAlarm_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("pipe") << Make([](const QString &p) { QCOMPARE(::mkfifo(native(p).constData(), 0644), 0); })
                              << "is a pipe";
        QTest::newRow("folder") << Make([](const QString &p) { QVERIFY(QDir().mkdir(p)); }) << "is a folder";
        QTest::newRow("device") << Make([](const QString &p) { link("/dev/null", p); }) << "is a device";
        QTest::newRow("link loop") << Make(linkLoop) << "loop";
        QTest::newRow("dangling link") << Make([](const QString &p) { link(p + ".gone", p); }) << "does not exist";
    }

    // --check names it and does not hang on it; --list passes over it, as the program does.
    void entryNamedLikeAnAlarm()
    {
        QFETCH(Make, make);
        QFETCH(QString, phrase);
        for (bool waiting : { false, true }) {
            CliFixture f;
            const QString path = waiting ? f.past(AlarmKind::Daily, "7-5.alm") : f.active(AlarmKind::Daily, "7-5.alm");
            make(path);
            const auto r = f.run({ "--check" });
            QCOMPARE(r.status, 1);
            const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
            QVERIFY2(lines.size() == 1, qPrintable(r.err));
            QVERIFY2(lines[0].startsWith(path + ": ") && lines[0].contains(phrase), qPrintable(lines[0]));
            QVERIFY2(lines[0].contains("never shown; "), qPrintable(lines[0]));
            const auto list = f.run({ "--list" });
            QCOMPARE(list.status, 0);
            QCOMPARE(list.out, QString());
            // Named for deletion, it is refused for what it is, wherever it is named.
            const auto removal = f.run({ "--delete", "daily", "7-5.alm" });
            QCOMPARE(removal.status, 1);
            QVERIFY2(removal.err.startsWith(path + ": is not a regular file"), qPrintable(removal.err));
        }
    }

    void folderThatCannotBeRead_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("a file where the folder belongs")
            << Make([](const QString &p) { writeBytes(p, "x"); }) << "is not a folder";
        QTest::newRow("a link loop where the folder belongs") << Make(linkLoop) << "cannot be read";
        QTest::newRow("no permission") << Make([](const QString &p) {
            if (::geteuid() == 0)
                QSKIP("root reads every folder");
            QVERIFY(QDir().mkdir(p));
            QVERIFY(QFile::setPermissions(p, QFileDevice::WriteOwner));
        }) << "cannot be read";
    }

    // Every command says so and ends with status 1; what can be read is still listed.
    void folderThatCannotBeRead()
    {
        QFETCH(Make, make);
        QFETCH(QString, phrase);
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake", noSound, "7", "5" });
        const QString folder = f.store.layout.activeFolder(AlarmKind::Weekly);
        QVERIFY(QDir(folder).removeRecursively());
        make(folder);
        // Known since when, so that the missed list looks for recurring alarms too.
        QVERIFY(writeLastRunning(f.store.dir.filePath("Program files/last-running"), f.clock.now().addDays(-1)));
        for (const QStringList &command :
             { QStringList{ "--list" }, { "--check" }, { "--list", "--missed" }, { "--list", "--missed", "--json" } }) {
            const auto r = f.run(command);
            QCOMPARE(r.status, 1);
            const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
            QVERIFY2(lines.size() == 1, qPrintable(r.err));
            QVERIFY2(lines[0].startsWith(folder + ": ") && lines[0].contains(phrase), qPrintable(lines[0]));
            // The list is not the whole answer, and says so as the status does.
            if (command.contains("--json"))
                QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("complete"), QJsonValue(false));
        }
        QVERIFY(f.run({ "--list" }).out.contains("\tWake\n"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(CliOddEntriesTest)
#include "tst_cliodd.moc"
