// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesizelimit.h"
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/names/alarmname.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace brevora;
using namespace brevora::test;

namespace {

const QByteArray oldBytes("\"old\",\"ninguno\",\"14\",\"0\"\r\n");
const QByteArray otherBytes("\"other\",\"ninguno\",\"14\",\"30\"\r\n");

QStringList daily(const StoreFixture &store)
{
    return QDir(store.layout.activeFolder(AlarmKind::Daily)).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class ChangeAlarm : public QObject
{
    Q_OBJECT
private slots:
    void changesThroughTheSafeSave_data();
    void changesThroughTheSafeSave();
    void snoozeName_data();
    void snoozeName();
};

void ChangeAlarm::changesThroughTheSafeSave_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("otherExists");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("newText"); // of the file under the new name, empty when it holds no new values
    QTest::newRow("rename") << "30" << false << false << false << QStringList{ "14-30.alm" } << "new";
    QTest::newRow("same name") << "0" << false << false << false << QStringList{ "14-0.alm" } << "";
    QTest::newRow("clash, replaced") << "30" << true << true << false << QStringList{ "14-30.alm" } << "new";
    QTest::newRow("clash, kept") << "30" << true << false << false << QStringList{ "14-0.alm", "14-30.alm" } << "other";
    QTest::newRow("full disk") << "30" << false << false << true << QStringList{ "14-0.alm" } << "";
}

void ChangeAlarm::changesThroughTheSafeSave()
{
    QFETCH(QString, minutes);
    QFETCH(bool, otherExists);
    QFETCH(bool, replace);
    QFETCH(bool, fullDisk);
    QFETCH(QStringList, files);
    QFETCH(QString, newText);
    StoreFixture store;
    const QString folder = store.layout.activeFolder(AlarmKind::Daily);
    const QString oldPath = folder + "/14-0.alm";
    writeBytes(oldPath, oldBytes);
    if (otherExists)
        writeBytes(folder + "/14-30.alm", otherBytes);
    QStringList asked;
    CreatedAlarm result{};
    {
        const std::optional<FileSizeLimit> full = fullDisk ? std::optional<FileSizeLimit>(4) : std::nullopt;
        result = changeAlarm(store.layout, oldPath, { AlarmKind::Daily, { "14", minutes }, "new", noSound },
                             [&](const QString &other) {
                                 asked.append(QFileInfo(other).fileName());
                                 return replace;
                             });
    }
    QCOMPARE(asked, otherExists ? QStringList{ "14-30.alm" } : QStringList());
    QCOMPARE(daily(store), files);
    QCOMPARE(result.outcome == CreatedAlarm::Outcome::Created, !fullDisk && (!otherExists || replace));
    const QString kept = folder + '/' + files.last();
    const auto record = readAlarmFile(kept, AlarmKind::Daily);
    QVERIFY(record);
    if (newText.isEmpty() && minutes == "0" && !fullDisk)
        QCOMPARE(record->text(), QString("new")); // the same name is written over with the new values
    else if (newText.isEmpty())
        QCOMPARE(readBytes(kept), oldBytes); // a failed write leaves the old alarm untouched
    else
        QCOMPARE(record->text(), newText);
}

void ChangeAlarm::snoozeName_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("name");
    const QDate day(2026, 6, 15);
    QTest::newRow("within the hour") << QDateTime(day, QTime(14, 0, 59)) << QStringList() << "15-6-2026_14-10.alm";
    QTest::newRow("into the next hour") << QDateTime(day, QTime(14, 55, 3)) << QStringList() << "15-6-2026_15-5.alm";
    QTest::newRow("into the next day") << QDateTime(day, QTime(23, 50)) << QStringList() << "16-6-2026_0-0.alm";
    QTest::newRow("into the next month") << QDateTime(QDate(2026, 6, 30), QTime(23, 59)) << QStringList()
                                         << "1-7-2026_0-9.alm";
    QTest::newRow("31 December 23:55") << QDateTime(QDate(2026, 12, 31), QTime(23, 55)) << QStringList()
                                       << "1-1-2027_0-5.alm";
    QTest::newRow("a clash in any case") << QDateTime(day, QTime(14, 0))
                                         << QStringList{ "15-6-2026_14-10.alm", "15-6-2026_14-11.ALM" }
                                         << "15-6-2026_14-12.alm";
}

void ChangeAlarm::snoozeName()
{
    QFETCH(QDateTime, now);
    QFETCH(QStringList, taken);
    QFETCH(QString, name);
    StoreFixture store;
    const QString folder = store.layout.activeFolder(AlarmKind::Once);
    for (const QString &file : taken)
        writeBytes(folder + '/' + file, oldBytes);
    QCOMPARE(snoozeFileName(folder, now), name);
    const CreatedAlarm snoozed = snoozeAlarm(store.layout, "tea", "/sounds/bell.wav", now);
    QCOMPARE(snoozed.outcome, CreatedAlarm::Outcome::Created);
    QCOMPARE(readBytes(folder + '/' + name),
             QByteArray("\"tea\",\"/sounds/bell.wav\"," + formatAlarmLine(*splitAlarmName(AlarmKind::Once, name))));
}

QTEST_GUILESS_MAIN(ChangeAlarm)
#include "tst_changealarm.moc"
