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
    void aKindChangeTakesTheOldSetAsideCopyWithIt();
    void snoozeName_data();
    void snoozeName();
};

void ChangeAlarm::changesThroughTheSafeSave_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("other"); // where 14-30.alm is before the change: "active", "aside" or nowhere
    QTest::addColumn<bool>("oldAside"); // the old alarm's notice was answered while it was being changed
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("aside"); // the past folder afterwards
    QTest::addColumn<QString>("newText"); // of the file under the new name, empty when it holds no new values
    const QStringList none;
    QTest::newRow("rename") << "30"
                            << "" << false << false << false << QStringList{ "14-30.alm" } << none << "new";
    QTest::newRow("same name") << "0"
                               << "" << false << false << false << QStringList{ "14-0.alm" } << none << "";
    QTest::newRow("clash, replaced") << "30"
                                     << "active" << false << true << false << QStringList{ "14-30.alm" } << none
                                     << "new";
    QTest::newRow("clash, kept") << "30"
                                 << "active" << false << false << false << QStringList{ "14-0.alm", "14-30.alm" }
                                 << none << "other";
    QTest::newRow("full disk") << "30"
                               << "" << false << false << true << QStringList{ "14-0.alm" } << none << "";
    QTest::newRow("clash with one set aside, replaced")
        << "30"
        << "aside" << false << true << false << QStringList{ "14-30.alm" } << none << "new";
    QTest::newRow("clash with one set aside, kept")
        << "30"
        << "aside" << false << false << false << QStringList{ "14-0.alm" } << QStringList{ "14-30.alm" } << "";
    QTest::newRow("old one set aside meanwhile")
        << "30"
        << "" << true << false << false << QStringList{ "14-30.alm" } << none << "new";
}

void ChangeAlarm::changesThroughTheSafeSave()
{
    QFETCH(QString, minutes);
    QFETCH(QString, other);
    QFETCH(bool, oldAside);
    QFETCH(bool, replace);
    QFETCH(bool, fullDisk);
    QFETCH(QStringList, files);
    QFETCH(QStringList, aside);
    QFETCH(QString, newText);
    StoreFixture store;
    const QString folder = store.layout.activeFolder(AlarmKind::Daily);
    const QString oldPath = folder + "/14-0.alm";
    writeBytes(oldAside ? store.layout.pastPath(AlarmKind::Daily, "14-0.alm") : oldPath, oldBytes);
    if (!other.isEmpty())
        writeBytes(other == "active" ? folder + "/14-30.alm" : store.layout.pastPath(AlarmKind::Daily, "14-30.alm"),
                   otherBytes);
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
    QCOMPARE(asked, other.isEmpty() ? QStringList() : QStringList{ "14-30.alm" });
    QCOMPARE(daily(store), files);
    QCOMPARE(QDir(store.layout.pastFolder(AlarmKind::Daily)).entryList(QDir::Files | QDir::Hidden), aside);
    QCOMPARE(result.outcome == CreatedAlarm::Outcome::Created, !fullDisk && (other.isEmpty() || replace));
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

// Moved to another kind, an alarm whose notice was answered while it was being changed leaves no copy in its old
// kind's past folder to come back at the return.
void ChangeAlarm::aKindChangeTakesTheOldSetAsideCopyWithIt()
{
    StoreFixture store;
    writeBytes(store.layout.pastPath(AlarmKind::Daily, "14-0.alm"), oldBytes);
    const CreatedAlarm result = changeAlarm(store.layout, store.layout.activePath(AlarmKind::Daily, "14-0.alm"),
                                            { AlarmKind::Weekly, { "Monday", "14", "0" }, "new", noSound },
                                            [](const QString &) { return false; });
    QCOMPARE(result.outcome, CreatedAlarm::Outcome::Created);
    QVERIFY(QFile::exists(store.layout.activePath(AlarmKind::Weekly, "Monday_14-0.alm")));
    QVERIFY(QDir(store.layout.pastFolder(AlarmKind::Daily)).isEmpty(QDir::Files | QDir::Hidden));
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
