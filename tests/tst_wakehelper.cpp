// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/wake/wakehelper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <linux/capability.h>
#include <sys/prctl.h>

using namespace brevora;

namespace {

// A line of /proc/PID/status or /proc/PID/fdinfo/N, such as "CapEff" or "clockid"; empty when it is missing.
QByteArray procField(const QString &path, const QByteArray &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

bool holds(int capability)
{
    const quint64 effective = procField(QStringLiteral("/proc/self/status"), "CapEff").toULongLong(nullptr, 16);
    return effective & (quint64(1) << capability);
}

struct AlarmTimer
{
    qint64 remainingSeconds = 0;
    QByteArray settimeFlags;
};

// The armed CLOCK_REALTIME_ALARM (8) timers of a process, as the kernel shows them: how long each has to run.
QList<AlarmTimer> armedAlarmTimers(qint64 pid)
{
    QList<AlarmTimer> timers;
    const QDir fds(QStringLiteral("/proc/%1/fdinfo").arg(pid));
    for (const QString &fd : fds.entryList(QDir::Files)) {
        const QString info = fds.filePath(fd);
        if (procField(info, "clockid") != "8")
            continue;
        const auto value = QRegularExpression(QStringLiteral(R"(^\((\d+), (\d+)\)$)"))
                               .match(QString::fromLatin1(procField(info, "it_value")));
        if (value.hasMatch() && (value.captured(1) != u"0" || value.captured(2) != u"0"))
            timers.append({ value.captured(1).toLongLong(), procField(info, "settime flags") });
    }
    return timers;
}

} // namespace

// brevora-wake on this machine's kernel: the timers it arms, its ring, what it keeps of its privileges, and the
// program's client of it. Waking needs cap_wake_alarm: the tests that need it skip where this process lacks it
// (a package build as a user), and fail where it has it but the helper cannot use it.
class WakeHelperTest : public QObject
{
    Q_OBJECT

    struct Helper
    {
        QProcess process;

        ~Helper()
        {
            process.closeWriteChannel();
            process.waitForFinished(5000);
        }

        QByteArray answer()
        {
            while (!process.canReadLine()) {
                if (!process.waitForReadyRead(10000))
                    return {};
            }
            return process.readLine().trimmed();
        }
        QByteArray tell(const QByteArray &line)
        {
            process.write(line + '\n');
            return answer();
        }
    };

    // Starts the helper and reads its first line: true when it is "ready". Otherwise the test is skipped or failed,
    // and the caller returns.
    [[nodiscard]] static bool startReady(Helper &helper)
    {
        helper.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.process.start(QStringLiteral(BREVORA_WAKE_HELPER), {});
        const QByteArray first = helper.answer();
        if (first == "ready")
            return true;
        const QByteArray why = "the helper says: " + first;
        if (holds(CAP_WAKE_ALARM))
            QTest::qFail(why.constData(), __FILE__, __LINE__);
        else
            QTest::qSkip(("this test lacks cap_wake_alarm, and " + why).constData(), __FILE__, __LINE__);
        return false;
    }

    // A helper given its capability as a file capability cannot be looked into by its own user.
    [[nodiscard]] static bool fdinfoReadable(Helper &helper)
    {
        if (QFile(QStringLiteral("/proc/%1/fdinfo/0").arg(helper.process.processId())).open(QIODevice::ReadOnly))
            return true;
        QTest::qSkip("the helper's /proc/PID/fdinfo cannot be read by this user", __FILE__, __LINE__);
        return false;
    }

private slots:
    void armsAnAlarmTimerAtTheInstantAndEndsWithItsInput()
    {
        Helper helper;
        if (!startReady(helper) || !fdinfoReadable(helper))
            return;
        const qint64 instant = QDateTime::currentSecsSinceEpoch() + 7200;
        QCOMPARE(helper.tell(QByteArray::number(instant)), QByteArray("ok 1"));
        const QList<AlarmTimer> timers = armedAlarmTimers(helper.process.processId());
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers[0].settimeFlags, QByteArray("01")); // TFD_TIMER_ABSTIME: a moment of the wall clock
        const qint64 due = QDateTime::currentSecsSinceEpoch() + timers[0].remainingSeconds;
        QVERIFY2(qAbs(due - instant) <= 2, qPrintable(QStringLiteral("armed for %1, asked %2").arg(due).arg(instant)));

        helper.process.closeWriteChannel();
        QVERIFY(helper.process.waitForFinished(5000));
        QCOMPARE(helper.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.process.exitCode(), 0);
    }

    void ringsWhenTheInstantComes()
    {
        Helper helper;
        if (!startReady(helper))
            return;
        const qint64 instant = QDateTime::currentSecsSinceEpoch() + 2;
        QCOMPARE(helper.tell(QByteArray::number(instant)), QByteArray("ok 1"));
        QCOMPARE(helper.answer(), "rang " + QByteArray::number(instant));
        QVERIFY2(QDateTime::currentMSecsSinceEpoch() >= instant * 1000, "rang before its instant");
    }

    // Looked at by what it says rather than in fdinfo: the kernel shows a disarmed alarm timer with the time left
    // to its former moment.
    void aRefusedLineKeepsTheInstantsArmed()
    {
        Helper helper;
        if (!startReady(helper))
            return;
        const qint64 instant = QDateTime::currentSecsSinceEpoch() + 2;
        QCOMPARE(helper.tell(QByteArray::number(instant)), QByteArray("ok 1"));
        QCOMPARE(helper.tell("1 x"), QByteArray("error not a digit"));
        QCOMPARE(helper.answer(), "rang " + QByteArray::number(instant));
    }

    void anEmptyLineDisarms()
    {
        Helper helper;
        if (!startReady(helper))
            return;
        const qint64 instant = QDateTime::currentSecsSinceEpoch() + 1;
        QCOMPARE(helper.tell(QByteArray::number(instant) + ' ' + QByteArray::number(instant + 1)), QByteArray("ok 2"));
        QCOMPARE(helper.tell(""), QByteArray("ok 0"));
        QVERIFY2(!helper.process.waitForReadyRead(3000), helper.process.readAll().constData());
    }

    void keepsNoPrivilegeButWakeAlarm()
    {
        Helper helper;
        if (!startReady(helper))
            return;
        const QString status = QStringLiteral("/proc/%1/status").arg(helper.process.processId());
        const QByteArray wakeAlarmOnly = QByteArray::number(quint64(1) << CAP_WAKE_ALARM, 16).rightJustified(16, '0');
        QCOMPARE(procField(status, "CapEff"), wakeAlarmOnly);
        QCOMPARE(procField(status, "CapPrm"), wakeAlarmOnly);
        QCOMPARE(procField(status, "CapInh"), QByteArray("0000000000000000"));
        QCOMPARE(procField(status, "CapAmb"), QByteArray("0000000000000000"));
        QCOMPARE(procField(status, "NoNewPrivs"), QByteArray("1"));
        // The bounding set can be emptied only by a process that may (root does; a file capability does not).
        if (holds(CAP_SETPCAP))
            QCOMPARE(procField(status, "CapBnd"), QByteArray("0000000000000000"));
    }

    void withoutTheCapabilityItSaysUnableAndEnds()
    {
        // Root keeps the capability through exec unless it leaves the bounding set, which takes CAP_SETPCAP.
        if (!holds(CAP_SETPCAP))
            QSKIP("this test cannot take cap_wake_alarm from the helper (it lacks cap_setpcap)");
        QProcess process;
        process.setChildProcessModifier([] { prctl(PR_CAPBSET_DROP, CAP_WAKE_ALARM, 0, 0, 0); });
        process.start(QStringLiteral(BREVORA_WAKE_HELPER), {});
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.readAllStandardOutput(), QByteArray("unable: EPERM: lacks cap_wake_alarm\n"));
        QCOMPARE(process.exitCode(), 3);
    }

    void theClientLearnsThatTheHelperIsReadyAndHearsItRing()
    {
        WakeHelper client;
        QSignalSpy known(&client, &WakeHelper::availabilityKnown);
        QSignalSpy rang(&client, &WakeHelper::rang);
        client.start(QStringLiteral(BREVORA_WAKE_HELPER));
        QTRY_COMPARE_WITH_TIMEOUT(known.size(), 1, 10000);
        if (!client.available() && !holds(CAP_WAKE_ALARM))
            QSKIP(qPrintable("this test lacks cap_wake_alarm, and the helper says: " + client.reason()));
        QVERIFY2(client.available(), qPrintable(client.reason()));
        // Rounded up to its second, so not before the moment.
        const QDateTime moment = QDateTime::currentDateTime().addMSecs(1500);
        QVERIFY(client.setMoments({ moment.addSecs(3600), moment, moment }));
        QVERIFY(rang.wait(10000));
        QVERIFY(rang[0][0].toDateTime() >= moment);
        QVERIFY(QDateTime::currentDateTime() >= moment);
    }

    void aHelperThatIsMissingIsUnavailable()
    {
        WakeHelper client;
        QSignalSpy known(&client, &WakeHelper::availabilityKnown);
        client.start(QDir::temp().filePath(QStringLiteral("no-such-brevora-wake")));
        QTRY_COMPARE_WITH_TIMEOUT(known.size(), 1, 10000);
        QCOMPARE(known[0][0].toBool(), false);
        QVERIFY(!client.available());
        QVERIFY(client.reason().contains(u"no-such-brevora-wake"));
        QVERIFY(!client.setMoments({ QDateTime::currentDateTime().addSecs(60) }));
    }
};

QTEST_GUILESS_MAIN(WakeHelperTest)
#include "tst_wakehelper.moc"
