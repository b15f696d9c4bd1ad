// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/sleepwatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace brevora;

namespace {

// The inhibitors the stand-in logind holds now, as gdbus prints them.
QString inhibitors()
{
    QProcess gdbus;
    gdbus.start(QStringLiteral("gdbus"),
                { "call", "--system", "--dest", "org.freedesktop.login1", "--object-path", "/org/freedesktop/login1",
                  "--method", "org.freedesktop.login1.Manager.ListInhibitors" });
    gdbus.waitForFinished(10000);
    return QString::fromUtf8(gdbus.readAllStandardOutput());
}

// logind's announcement, sent by the stand-in as the real one sends it.
void announceSleep(bool sleeping)
{
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                       "org.freedesktop.DBus.Mock", "EmitSignal");
    call << QStringLiteral("org.freedesktop.login1.Manager") << QStringLiteral("PrepareForSleep") << QStringLiteral("b")
         << QVariant::fromValue(QVariantList{ QVariant::fromValue(QDBusVariant(sleeping)) });
    const QDBusMessage reply = QDBusConnection::systemBus().call(call);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}

} // namespace

class TestSleepWatch : public QObject
{
    Q_OBJECT
private slots:
    // A delay lock while awake, let go once the program is ready for the sleep, taken again at the resume.
    void holdsTheLockWhileAwakeAndTellsSleepAndResume()
    {
        auto watch = createSystemSleepWatch();
        QSignalSpy sleeping(watch.get(), &SleepWatch::aboutToSleep);
        QSignalSpy resumed(watch.get(), &SleepWatch::resumed);
        QString lockWhileAnnounced;
        connect(watch.get(), &SleepWatch::aboutToSleep, this, [&] { lockWhileAnnounced = inhibitors(); });
        watch->start();
        QTRY_VERIFY(watch->holdsLock());
        QVERIFY2(inhibitors().contains("'Brevora'") && inhibitors().contains("'delay'"), qPrintable(inhibitors()));

        announceSleep(true);
        QTRY_COMPARE(sleeping.size(), 1);
        QVERIFY(lockWhileAnnounced.contains("'Brevora'")); // the computer waited for the program
        QVERIFY(!watch->holdsLock());
        QTRY_VERIFY(!inhibitors().contains("'Brevora'"));

        announceSleep(false);
        QTRY_COMPARE(resumed.size(), 1);
        QTRY_VERIFY(watch->holdsLock());
        QVERIFY(inhibitors().contains("'Brevora'"));
    }
};

QTEST_GUILESS_MAIN(TestSleepWatch)
#include "tst_sleepwatch.moc"
