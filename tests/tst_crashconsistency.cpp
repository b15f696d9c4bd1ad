// SPDX-License-Identifier: GPL-3.0-or-later
#include "storefixture.h"

#include "core/model/alarmfile.h"
#include "core/settings/settingsfiles.h"
#include "core/store/safesave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

using namespace brevora;
using namespace brevora::test;

namespace {

const QByteArray firstAlarm("\"first alarm text\",\"ninguno\",\"7\",\"5\"\r\n");
const QByteArray
    secondAlarm("\"a second, longer text that the rewrite puts in its place\",\"/tmp/ding.wav\",\"7\",\"5\"\r\n");

// The folder's entries other than the temporaries a killed save may leave (start-up removes those).
QStringList settledEntries(const QString &folder)
{
    QStringList names;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isSaveLeftover(name))
            names.append(name);
    }
    return names;
}

} // namespace

// The writer is killed at random points while it rewrites an alarm and a settings file and while it sets an
// alarm aside and returns it: every file is always the old or the new content, never torn, lost or doubled.
class TestCrashConsistency : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNew_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("rewrite an alarm") << "rewrite-alarm";
        QTest::newRow("rewrite a setting") << "rewrite-setting";
        QTest::newRow("set aside and return") << "aside-and-return";
    }
    void killedWriterLeavesOldOrNew()
    {
        QFETCH(QString, operation);
        StoreFixture store;
        const StoreLayout &layout = store.layout;
        const QString alarm = layout.activePath(AlarmKind::Daily, "7-5.alm");
        const QString waiting = layout.pastPath(AlarmKind::Daily, "7-5.alm");
        const QString past = settingFilePath(layout.settingsFolder(), Setting::Past);
        writeBytes(alarm, firstAlarm);
        writeBytes(past, "#TRUE#\r\n");

        QElapsedTimer spent;
        spent.start();
        int kills = 0;
        // A few seconds of kills, and at least ten however busy the machine is.
        while (kills < 150 && (spent.elapsed() < 4000 || kills < 10)) {
            QProcess writer;
            writer.start(QCoreApplication::applicationDirPath() + "/crashwriter", { operation, store.dir.path() });
            QVERIFY(writer.waitForStarted(10000));
            QVERIFY2(writer.waitForReadyRead(10000), qPrintable(writer.readAllStandardError()));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // it was still at work, not failed
            ++kills;

            const QByteArray now = readBytes(QFile::exists(alarm) ? alarm : waiting);
            QVERIFY2(now == firstAlarm || now == secondAlarm, now.constData());
            QCOMPARE(QFile::exists(alarm) + QFile::exists(waiting), 1);
            QCOMPARE(settledEntries(layout.activeFolder(AlarmKind::Daily)).size()
                         + settledEntries(layout.pastFolder(AlarmKind::Daily)).size(),
                     1);
            QVERIFY(readSettingFile(past).has_value());
            QCOMPARE(settledEntries(layout.settingsFolder()), QStringList{ "past.bvr" });
        }
    }
};

QTEST_GUILESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
