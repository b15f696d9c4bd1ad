// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeprompter.h"
#include "storefixture.h"

#include "app/programdir.h"
#include "os/files/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

class TestProgramDir : public QObject
{
    Q_OBJECT

private slots:
    void writableFolderKeepsEverythingBesideTheProgram()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("portable"));
        const QString data = root.filePath(QStringLiteral("data/Brevora"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(chooseProgramDir(bin, root.filePath(QStringLiteral("usr/bin")), data), bin);
        // The check leaves nothing behind, and the user's data folder is not made for a portable program.
        QVERIFY(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!QFileInfo::exists(data));
    }

    void unwritableFolderUsesTheUserDataFolder()
    {
        // Permissions do not stop root, so the program's folder is made unwritable by lying under a file.
        QTemporaryDir root;
        writeBytes(root.filePath(QStringLiteral("file")), "x");
        const QString bin = root.filePath(QStringLiteral("file/bin"));
        const QString data = root.filePath(QStringLiteral("home/.local/share/Brevora"));
        QVERIFY(!canCreateFilesIn(bin));
        QVERIFY(!canCreateFilesIn(root.filePath(QStringLiteral("file"))));
        QVERIFY(!canCreateFilesIn(root.filePath(QStringLiteral("missing"))));

        QCOMPARE(chooseProgramDir(bin, QString(), data), data);
        QVERIFY(QFileInfo(data).isDir());
        // A second start finds the folder already there.
        QCOMPARE(chooseProgramDir(bin, QString(), data), data);
    }

    // A portable copy whose folder holds alarms but cannot be written runs from the user's folder: its own alarms
    // would never fall due, so the user is told once, with both folders named. Without alarms beside it, or when
    // installed, nothing is said.
    void unusedPortableStoreIsReported_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("told");
        QTest::newRow("alarms beside it") << true << false << true;
        QTest::newRow("nothing beside it") << false << false << false;
        QTest::newRow("installed") << true << true << false;
    }
    void unusedPortableStoreIsReported()
    {
        QFETCH(bool, store);
        QFETCH(bool, installed);
        QFETCH(bool, told);
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin + (store ? "/events/Day" : "")));
        const QString data = root.filePath(QStringLiteral("data"));
        // Root writes through any permission, so the folder's answer to the probe is given here.
        const auto readOnly = [](const QString &) { return false; };
        const ProgramDirChoice choice = chooseProgramDirAndSay(bin, installed ? bin : QString(), data, readOnly);
        QCOMPARE(choice.folder, data);
        FakePrompter prompter;
        reportUnusedPortableFolder(choice, prompter);
        QCOMPARE(prompter.shown.size(), told ? 1 : 0);
        if (told) {
            QVERIFY(prompter.shown[0].text.contains(QDir::toNativeSeparators(bin)));
            QVERIFY(prompter.shown[0].text.contains(QDir::toNativeSeparators(data)));
        }
    }

    // A portable copy in a folder whose name is not UTF-8 keeps its store there, reached through a link: a file
    // written through the folder given lands in the folder itself, and a second start finds the same link.
    void aFolderNamedInOtherBytesIsReachedWhole()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xe9";
        QVERIFY(QDir().mkdir(dir.filePath("caf\u00e9"))); // the name the lossy spelling would stand for
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        const QString links = dir.filePath("run");
        const QString usable = usableFolder(folder, links);
        QVERIFY2(usable.startsWith(links), qPrintable(usable));
        QCOMPARE(chooseProgramDir(usable, "/usr/bin", dir.filePath("data")), usable);
        QVERIFY(QDir().mkpath(usable + "/Events/Day"));
        writeBytes(usable + "/Events/Day/7-5.alm", "\"Tea\",\"ninguno\",\"7\",\"5\"\r\n");
        const QByteArray written = folder + "/Events/Day/7-5.alm";
        QVERIFY(::access(written.constData(), F_OK) == 0);
        QVERIFY(QDir(dir.filePath("caf\u00e9")).isEmpty());
        QCOMPARE(usableFolder(folder, links), usable);
        QCOMPARE(usableFolder(QFile::encodeName(dir.path()), links), dir.path());
    }

    void installedFolderUsesTheUserDataFolderEvenWhenWritable()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        const QString data = root.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(canCreateFilesIn(bin));
        QCOMPARE(chooseProgramDir(bin + QStringLiteral("/"), bin, data), data);

        // Reached through a link, as /bin is /usr/bin on merged-/usr systems.
        const QString link = root.filePath(QStringLiteral("bin"));
        QVERIFY(QFile::link(bin, link));
        QCOMPARE(chooseProgramDir(link, bin, data), data);
        QCOMPARE(chooseProgramDir(bin, link, data), data);
    }
};

QTEST_GUILESS_MAIN(TestProgramDir)
#include "tst_programdir.moc"
