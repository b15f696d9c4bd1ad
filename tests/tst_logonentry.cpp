// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry.h"

#include "os/session/logonstart.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

// The log-on entry as the desktop's session reads it: the name docks match, the keys that keep a removed program
// from starting, and the entries earlier versions left under other names.
class LogonEntryTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;

    QString autostart(const QString &name) const { return DesktopAutostart::autostartFolder() + u'/' + name; }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const { return QDir(DesktopAutostart::autostartFolder()).entryList(QDir::Files); }

private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        QVERIFY(qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->filePath(QStringLiteral("config home")))));
        QVERIFY(QDir().mkpath(DesktopAutostart::autostartFolder()));
    }
    void cleanup() { qunsetenv("XDG_CONFIG_HOME"); }

    void theEntryIsNamedAfterTheDesktopIdAndTriesTheProgram()
    {
        // TryExec is a plain string, not an Exec line: a path with blanks, quotes and a backslash stays whole.
        const QString program = m_config->filePath(QStringLiteral("my \"alarms\" 100% back\\slash/brevora"));
        DesktopAutostart entry(program);
        QVERIFY(entry.set(true).ok());
        QCOMPARE(entries(), QStringList{ "io.github.brevora.brevora.desktop" });
        const QHash<QString, QString> keys = readDesktopEntry(entry.entryPath());
        QCOMPARE(splitExec(keys.value("Exec")), QStringList{ program });
        QCOMPARE(keys.value("TryExec"), program);
        QCOMPARE(keys.value("Icon"), QStringLiteral("io.github.brevora.brevora"));
        QCOMPARE(keys.value("Hidden"), QStringLiteral("false"));
    }

    void earlierEntriesAreReplaced_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<bool>("on");
        for (const bool on : { true, false }) {
            const char *state = on ? "on" : "off";
            QTest::addRow("installed name, %s", state) << "/usr/bin/brevora"
                                                       << "brevora.desktop" << on;
            QTest::addRow("title, %s", state) << "/usr/bin/brevora"
                                              << "Brevora.desktop" << on;
            QTest::addRow("renamed copy, %s", state) << "/home/ana/bin/alarms"
                                                     << "alarms.desktop" << on;
        }
    }
    void earlierEntriesAreReplaced()
    {
        QFETCH(QString, program);
        QFETCH(QString, earlier);
        QFETCH(bool, on);
        put(autostart(earlier),
            "[Desktop Entry]\nType=Application\nName=Brevora\nExec=\"" + program.toUtf8() + "\"\nHidden=false\n");
        // Another program's entry is none of ours.
        put(autostart(QStringLiteral("other.desktop")), "[Desktop Entry]\nType=Application\nExec=other\n");
        DesktopAutostart entry(program);
        QCOMPARE(entry.earlierEntryPaths(), QStringList{ autostart(earlier) });
        QVERIFY(entry.set(on).ok());
        QCOMPARE(entries(), (QStringList{ "io.github.brevora.brevora.desktop", "other.desktop" }));
        QCOMPARE(readDesktopEntry(entry.entryPath()).value("Hidden"), on ? QStringLiteral("false") : "true");
        QVERIFY(entry.earlierEntryPaths().isEmpty());
    }

    // Only an entry that runs this program and carries something of ours is an earlier one of ours: a copy renamed
    // after another program must not take that program's entry for its own.
    void anotherProgramsEntryIsKeptWhateverItsName_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("copy named after it") << "/home/ana/nextcloud"
                                             << "nextcloud.desktop"
                                             << QByteArray("[Desktop Entry]\r\nName=Nextcloud\r\nExec=nextcloud "
                                                           "--background\r\nIcon=Nextcloud\r\n");
        QTest::newRow("our title, another program")
            << "/usr/bin/brevora"
            << "Brevora.desktop" << QByteArray("[Desktop Entry]\nName=Brevora\nExec=/opt/x/run\n");
    }
    void anotherProgramsEntryIsKeptWhateverItsName()
    {
        QFETCH(QString, program);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        put(autostart(name), bytes);
        DesktopAutostart entry(program);
        QVERIFY(!entry.hasEarlierRegistration());
        QVERIFY(entry.set(true).ok());
        QCOMPARE(contents(autostart(name)), bytes);
    }

    // Two copies share one entry: it is the copy's it starts, while that copy is there and the entry is on.
    void anEntryIsHeldByTheCopyItStarts_data()
    {
        QTest::addColumn<bool>("otherThere");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("held");
        QTest::newRow("another copy's, on") << true << true << true;
        QTest::newRow("another copy's, off") << true << false << false;
        QTest::newRow("a removed copy's") << false << true << false;
    }
    void anEntryIsHeldByTheCopyItStarts()
    {
        QFETCH(bool, otherThere);
        QFETCH(bool, on);
        QFETCH(bool, held);
        const QString self = m_config->filePath("self/brevora");
        const QString other = m_config->filePath("other copy/brevora");
        for (const QString &program : { self, other }) {
            QVERIFY(QDir().mkpath(QFileInfo(program).path()));
            put(program, "#!/bin/sh\n");
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        QVERIFY(DesktopAutostart(other).set(on).ok());
        if (!otherThere)
            QVERIFY(QFile::remove(other));
        QCOMPARE(DesktopAutostart(self).heldByAnotherCopy(), held);
        QVERIFY(!DesktopAutostart(other).heldByAnotherCopy()); // the copy it starts holds it as its own
    }

    void aFailedWriteKeepsTheEarlierEntry()
    {
        const QByteArray earlier = "[Desktop Entry]\nType=Application\nName=Brevora\nExec=/usr/bin/brevora\n";
        put(autostart(QStringLiteral("brevora.desktop")), earlier);
        DesktopAutostart entry(QStringLiteral("/usr/bin/brevora"));
        QVERIFY(QDir().mkpath(entry.entryPath()));
        QCOMPARE(entry.set(true).step, LogonOutcome::Step::SetFailed);
        QCOMPARE(contents(autostart(QStringLiteral("brevora.desktop"))), earlier);
    }
};

QTEST_GUILESS_MAIN(LogonEntryTest)
#include "tst_logonentry.moc"
