// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeprompter.h"

#include "app/singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // A second start on the same ProgramDir does not run beside the first: it asks the first to show itself.
    void secondStartShowsTheRunningCopy()
    {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        // However long the first copy has run.
        QFile lock(dir.filePath(".brevora.lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-30), QFileDevice::FileModificationTime));
        lock.close();

        SingleInstance second(dir.path());
        QVERIFY(!second.claim());
        QVERIFY(second.askRunningCopyToShow());
        QVERIFY(shown.wait(10000));
        QCOMPARE(shown.size(), 1);
    }

    void otherProgramDirsRunSideBySide()
    {
        QTemporaryDir one;
        QTemporaryDir two;
        SingleInstance first(one.path());
        SingleInstance second(two.path());
        QVERIFY(first.claim());
        QVERIFY(second.claim());
        QVERIFY(SingleInstance::serverName(one.path()) != SingleInstance::serverName(two.path()));
    }

    void endedCopyFreesTheProgramDir()
    {
        QTemporaryDir dir;
        {
            SingleInstance first(dir.path());
            QVERIFY(first.claim());
        }
        SingleInstance next(dir.path());
        QVERIFY(next.claim());
    }

    // A copy killed while running leaves its lock file and socket behind; the next start takes over.
    void lockOfACrashedCopyDoesNotBlock()
    {
        QTemporaryDir dir;
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance crashed(dir.path());
            _exit(crashed.claim() ? 0 : 1); // no destructor runs: the lock stays as after a crash
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(dir.filePath(".brevora.lock")));

        SingleInstance next(dir.path());
        QVERIFY(next.claim());
        QSignalSpy shown(&next, &SingleInstance::showRequested);
        SingleInstance later(dir.path());
        QVERIFY(!later.claim());
        QVERIFY(later.askRunningCopyToShow());
        QVERIFY(shown.wait(10000));
    }

    // Whatever stands at the lock's name that no running copy holds is taken over at once, without blocking, and
    // the new lock then keeps a later start out. Nothing of the user's is lost on the way.
    void aLockNoCopyHoldsIsTakenOver_data()
    {
        QTest::addColumn<QString>("entry");
        for (const char *entry : { "folder", "folder with a file", "link to a file", "dangling link", "pipe",
                                   "lock naming a live process", "empty lock of a start killed making it" })
            QTest::newRow(entry) << QString::fromLatin1(entry);
    }
    void aLockNoCopyHoldsIsTakenOver()
    {
        QFETCH(QString, entry);
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString lock = dir.filePath(".brevora.lock");
        const QString target = outside.filePath("target");
        if (entry.startsWith(u"folder"))
            QVERIFY(QDir().mkdir(lock));
        if (entry == u"folder with a file")
            writeFile(lock + "/notes.txt", "mine");
        if (entry == u"link to a file")
            writeFile(target, "keep me");
        if (entry.contains(u"link"))
            QVERIFY(QFile::link(target, lock));
        if (entry == u"pipe")
            QCOMPARE(mkfifo(QFile::encodeName(lock).constData(), 0644), 0);
        if (entry.startsWith(u"empty"))
            writeFile(lock, ""); // just made: young enough to be a start making it
        if (entry == u"lock naming a live process") {
            // A lock as a copy writes it, naming this very process, which runs but holds no lock: as after a
            // restart that gave the dead copy's number to another program.
            QLockFile real(lock);
            QVERIFY(real.tryLock(0));
            const QByteArray content = readFile(lock);
            real.unlock();
            writeFile(lock, content);
        }

        QElapsedTimer elapsed;
        elapsed.start();
        SingleInstance instance(dir.path());
        QVERIFY(instance.claim());
        QVERIFY(elapsed.elapsed() < 5000);
        QVERIFY(QFileInfo(lock).isFile() && !QFileInfo(lock).isSymLink());
        QCOMPARE(readFile(target), QByteArray(entry == u"link to a file" ? "keep me" : ""));
        if (entry == u"folder with a file")
            QCOMPARE(readFile(lock + ".moved-aside/notes.txt"), QByteArray("mine"));
        SingleInstance later(dir.path());
        QVERIFY(!later.claim());
    }

    // A copy that holds the lock but does not answer is never run beside: the start says so, on screen too.
    void aCopyThatDoesNotAnswerIsReported()
    {
        QTemporaryDir dir;
        int ready[2];
        QCOMPARE(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            QLockFile held(dir.filePath(".brevora.lock"));
            held.setStaleLockTime(0);
            const char answer = held.tryLock(0) ? 'y' : 'n';
            (void)!write(ready[1], &answer, 1);
            pause(); // holds the lock and listens to nobody
            _exit(0);
        }
        char answer = 0;
        QCOMPARE(read(ready[0], &answer, 1), 1);
        QCOMPARE(answer, 'y');

        SingleInstance second(dir.path());
        FakePrompter prompter;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("already running .* does not answer"));
        const std::optional<int> status = endForRunningCopy(second, prompter, 300);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QCOMPARE(status, std::optional<int>(1));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY2(prompter.shown[0].text.contains(QDir::toNativeSeparators(dir.path())),
                 qPrintable(prompter.shown[0].text));
    }

    void noAnswerEndsInTime()
    {
        QTemporaryDir dir;
        SingleInstance nobody(dir.path());
        QVERIFY(!nobody.askRunningCopyToShow(300));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
