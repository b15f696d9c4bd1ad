#include "storefixture.h"

#include "app/programdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
