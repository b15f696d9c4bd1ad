// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace brevora;

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

    void noAnswerEndsInTime()
    {
        QTemporaryDir dir;
        SingleInstance nobody(dir.path());
        QVERIFY(!nobody.askRunningCopyToShow(300));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
