// SPDX-License-Identifier: GPL-3.0-or-later
#include "storefixture.h"

#include "core/settings/lastrunning.h"
#include "scheduler/missed.h"

#include <QTest>

#include <ctime>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

QDateTime iso(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

// As the clock showed them, with its offset then: in the hour winter time repeats, a wall time names two instants.
QStringList shown(const QList<QDateTime> &moments)
{
    QStringList texts;
    for (const QDateTime &moment : moments)
        texts.append(moment.toOffsetFromUtc(moment.toLocalTime().offsetFromUtc()).toString(Qt::ISODate));
    return texts;
}

QStringList momentsOf(const MissedAlarms &missed)
{
    QList<QDateTime> moments;
    for (const MissedAlarm &alarm : missed.listed)
        moments.append(alarm.moment);
    return shown(moments);
}

} // namespace

class MissedTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        // Summer time in Berlin began on 25 March 2007 at 2:00 and ended on 28 October 2007 at 3:00.
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void occurrences_data();
    void occurrences();
    void clockChanges_data();
    void clockChanges();
    void folders();
    void listLimitAndBound();
    void lastRunningFile_data();
    void lastRunningFile();
    void lastRunningContent_data();
    void lastRunningContent();
};

void MissedTest::occurrences_data()
{
    QTest::addColumn<AlarmKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QDateTime>("since"); // invalid: not known
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("everyPassedOnce");
    QTest::addColumn<QList<QDateTime>>("expected");

    const QDateTime unknown;
    QTest::newRow("daily across a month end")
        << AlarmKind::Daily << "7-5.alm" << true << at(2007, 1, 30, 23, 0) << at(2007, 2, 2, 8, 0) << true
        << QList{ at(2007, 1, 31, 7, 5), at(2007, 2, 1, 7, 5), at(2007, 2, 2, 7, 5) };
    // The minute last watched was checked then, and the current one is being checked now.
    QTest::newRow("daily, neither the minute watched nor the current one")
        << AlarmKind::Daily << "7-5.alm" << true << at(2007, 2, 3, 7, 5, 30) << at(2007, 2, 4, 7, 5, 10) << true
        << QList<QDateTime>{};
    QTest::newRow("daily, the minute after the current one has passed")
        << AlarmKind::Daily << "7-5.alm" << true << at(2007, 2, 3, 7, 5, 30) << at(2007, 2, 4, 7, 6) << true
        << QList{ at(2007, 2, 4, 7, 5) };
    QTest::newRow("daily, the minute summer time skips")
        << AlarmKind::Daily << "2-30.alm" << true << at(2007, 3, 24, 0, 0) << at(2007, 3, 27, 0, 0) << true
        << QList{ at(2007, 3, 24, 2, 30), at(2007, 3, 26, 2, 30) };
    QTest::newRow("daily, damaged file") << AlarmKind::Daily << "7-5.alm" << false << at(2007, 1, 30, 23, 0)
                                         << at(2007, 2, 2, 8, 0) << true << QList<QDateTime>{};
    QTest::newRow("daily, a name the clock never writes")
        << AlarmKind::Daily << "07-05.alm" << true << at(2007, 1, 30, 23, 0) << at(2007, 2, 2, 8, 0) << true
        << QList<QDateTime>{};
    QTest::newRow("daily, last run not known")
        << AlarmKind::Daily << "7-5.alm" << true << unknown << at(2007, 2, 2, 8, 0) << true << QList<QDateTime>{};
    QTest::newRow("daily, last run in the future (clock set back)")
        << AlarmKind::Daily << "7-5.alm" << true << at(2007, 3, 1, 0, 0) << at(2007, 2, 2, 8, 0) << true
        << QList<QDateTime>{};
    // 4 February 2007 was a Sunday.
    QTest::newRow("weekly, lower case") << AlarmKind::Weekly << "monday_8-30.alm" << true << at(2007, 2, 4, 9, 0)
                                        << at(2007, 2, 19, 9, 0) << true
                                        << QList{ at(2007, 2, 5, 8, 30), at(2007, 2, 12, 8, 30),
                                                  at(2007, 2, 19, 8, 30) };
    QTest::newRow("monthly 31 skips February and April")
        << AlarmKind::Monthly << "31_9-0.alm" << true << at(2007, 1, 31, 10, 0) << at(2007, 6, 1, 0, 0) << true
        << QList{ at(2007, 3, 31, 9, 0), at(2007, 5, 31, 9, 0) };
    QTest::newRow("yearly 29-2 in leap years only")
        << AlarmKind::Yearly << "29-2_12-0.alm" << true << at(2007, 1, 1, 0, 0) << at(2013, 1, 1, 0, 0) << true
        << QList{ at(2008, 2, 29, 12, 0), at(2012, 2, 29, 12, 0) };
    QTest::newRow("yearly 31-4 never comes") << AlarmKind::Yearly << "31-4_9-0.alm" << true << at(2007, 1, 1, 0, 0)
                                             << at(2013, 1, 1, 0, 0) << true << QList<QDateTime>{};
    QTest::newRow("once, passed, last run not known") << AlarmKind::Once << "3-2-2007_14-0.alm" << true << unknown
                                                      << at(2007, 2, 5, 0, 0) << true << QList{ at(2007, 2, 3, 14, 0) };
    QTest::newRow("once, in the current minute") << AlarmKind::Once << "3-2-2007_14-0.alm" << true << unknown
                                                 << at(2007, 2, 3, 14, 0, 50) << true << QList<QDateTime>{};
    QTest::newRow("once, ahead") << AlarmKind::Once << "3-2-2007_14-0.alm" << true << unknown << at(2007, 2, 3, 13, 0)
                                 << true << QList<QDateTime>{};
    QTest::newRow("once, 31 April") << AlarmKind::Once << "31-4-2006_14-0.alm" << true << unknown
                                    << at(2007, 2, 3, 13, 0) << true << QList<QDateTime>{};
    QTest::newRow("once, damaged") << AlarmKind::Once << "3-2-2007_14-0.alm" << false << unknown << at(2007, 2, 5, 0, 0)
                                   << true << QList<QDateTime>{};
    QTest::newRow("once after a jump, shown while watched")
        << AlarmKind::Once << "3-2-2007_14-0.alm" << true << at(2007, 2, 3, 14, 30) << at(2007, 2, 5, 0, 0) << false
        << QList<QDateTime>{};
    QTest::newRow("once after a jump, in the unwatched minutes")
        << AlarmKind::Once << "3-2-2007_14-0.alm" << true << at(2007, 2, 3, 13, 30) << at(2007, 2, 5, 0, 0) << false
        << QList{ at(2007, 2, 3, 14, 0) };
}

void MissedTest::occurrences()
{
    QFETCH(AlarmKind, kind);
    QFETCH(QString, name);
    QFETCH(bool, readable);
    QFETCH(QDateTime, since);
    QFETCH(QDateTime, now);
    QFETCH(bool, everyPassedOnce);
    QFETCH(QList<QDateTime>, expected);

    StoreFixture store;
    QStringList fields{ "the text", noSound };
    fields.append(QStringList(kindInfo(kind).fieldCount() - 2, QStringLiteral("1")));
    writeBytes(store.layout.activePath(kind, name), readable ? formatAlarmLine(fields) : QByteArray("\"cut"));
    const UnwatchedTime time{ since.isValid() ? std::optional(since) : std::nullopt, now, everyPassedOnce };
    const MissedAlarms missed = findMissedAlarms(store.layout, time, 100);
    QCOMPARE(momentsOf(missed), shown(expected));
    QCOMPARE(missed.total, expected.size());
    for (const MissedAlarm &alarm : missed.listed) {
        QCOMPARE(alarm.text, "the text");
        QCOMPARE(alarm.kind, kind);
    }
}

// The clock writes a name twice in the hour a change to winter time repeats and never in the hour a change to
// summer time skips; each occurrence that fell unwatched is listed once, and no minute still to come.
void MissedTest::clockChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<AlarmKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("since"); // invalid: not known
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<QDateTime>>("expected");

    // Berlin: 25 October 2026 at 3:00 CEST back to 2:00 CET; 29 March 2026 at 2:00 CET on to 3:00 CEST.
    const QByteArray berlin("Europe/Berlin");
    QTest::newRow("Berlin, the repeated minute falls twice")
        << berlin << AlarmKind::Daily << "2-59.alm" << iso("2026-10-24T12:00:00+02:00")
        << iso("2026-10-26T12:00:00+01:00")
        << QList{ iso("2026-10-25T02:59:00+02:00"), iso("2026-10-25T02:59:00+01:00"),
                  iso("2026-10-26T02:59:00+01:00") };
    QTest::newRow("Berlin, within the repeated hour")
        << berlin << AlarmKind::Daily << "2-10.alm" << iso("2026-10-25T02:05:00+02:00")
        << iso("2026-10-25T02:20:00+01:00")
        << QList{ iso("2026-10-25T02:10:00+02:00"), iso("2026-10-25T02:10:00+01:00") };
    QTest::newRow("Berlin, a minute still to come in the first pass")
        << berlin << AlarmKind::Daily << "2-20.alm" << iso("2026-10-25T01:30:00+02:00")
        << iso("2026-10-25T02:15:00+02:00") << QList<QDateTime>{};
    QTest::newRow("Berlin, one-time in the repeated hour")
        << berlin << AlarmKind::Once << "25-10-2026_2-10.alm" << QDateTime() << iso("2026-10-25T03:00:00+01:00")
        << QList{ iso("2026-10-25T02:10:00+02:00"), iso("2026-10-25T02:10:00+01:00") };
    QTest::newRow("Berlin, the skipped minute")
        << berlin << AlarmKind::Daily << "2-30.alm" << iso("2026-03-28T12:00:00+01:00")
        << iso("2026-03-30T12:00:00+02:00") << QList{ iso("2026-03-30T02:30:00+02:00") };
    // The due check never shows a moment before the epoch.
    QTest::newRow("one-time, two-digit year") << berlin << AlarmKind::Once << "1-1-27_1-0.alm" << QDateTime()
                                              << iso("2026-10-25T03:00:00+01:00") << QList<QDateTime>{};
    // New York: 1 November 2026 at 2:00 EDT back to 1:00 EST; 8 March 2026 at 2:00 EST on to 3:00 EDT.
    const QByteArray newYork("America/New_York");
    QTest::newRow("New York, the repeated minute falls twice")
        << newYork << AlarmKind::Daily << "1-30.alm" << iso("2026-11-01T00:00:00-04:00")
        << iso("2026-11-01T03:00:00-05:00")
        << QList{ iso("2026-11-01T01:30:00-04:00"), iso("2026-11-01T01:30:00-05:00") };
    QTest::newRow("New York, the skipped minute")
        << newYork << AlarmKind::Weekly << "Sunday_2-30.alm" << iso("2026-03-07T12:00:00-05:00")
        << iso("2026-03-16T12:00:00-04:00") << QList{ iso("2026-03-15T02:30:00-04:00") };
}

void MissedTest::clockChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(AlarmKind, kind);
    QFETCH(QString, name);
    QFETCH(QDateTime, since);
    QFETCH(QDateTime, now);
    QFETCH(QList<QDateTime>, expected);
    qputenv("TZ", zone);
    tzset();
    StoreFixture store;
    QStringList fields{ "the text", noSound };
    fields.append(QStringList(kindInfo(kind).fieldCount() - 2, QStringLiteral("1")));
    writeBytes(store.layout.activePath(kind, name), formatAlarmLine(fields));
    const UnwatchedTime time{ since.isValid() ? std::optional(since) : std::nullopt, now.toLocalTime(), true };
    const MissedAlarms missed = findMissedAlarms(store.layout, time, 100);
    QCOMPARE(momentsOf(missed), shown(expected));
    QCOMPARE(missed.total, expected.size());
}

void MissedTest::folders()
{
    // A set-aside alarm falls due once back in its folder; the same name in both folders is one alarm.
    StoreFixture store;
    const auto put = [](const QString &path, const QString &text) {
        writeBytes(path, formatAlarmLine({ text, noSound, "7", "5" }));
    };
    put(store.layout.pastPath(AlarmKind::Daily, "7-5.alm"), "waiting");
    put(store.layout.pastPath(AlarmKind::Daily, "7-6.alm"), "also active");
    put(store.layout.activePath(AlarmKind::Daily, "7-6.ALM"), "active");
    writeBytes(store.layout.activePath(AlarmKind::Daily, "7-7.txt"),
               formatAlarmLine({ "not an alarm", noSound, "7", "7" }));
    const MissedAlarms missed
        = findMissedAlarms(store.layout, { at(2007, 2, 2, 8, 0), at(2007, 2, 3, 8, 0), true }, 100);
    QCOMPARE(missed.total, 2);
    QCOMPARE(missed.listed[0].text, "waiting");
    QCOMPARE(missed.listed[1].text, "active");
    QCOMPARE(missed.listed[1].path, store.layout.activePath(AlarmKind::Daily, "7-6.ALM"));
}

void MissedTest::listLimitAndBound()
{
    StoreFixture store;
    writeBytes(store.layout.activePath(AlarmKind::Daily, "7-5.alm"), formatAlarmLine({ "day", noSound, "7", "5" }));
    writeBytes(store.layout.activePath(AlarmKind::Once, "1-1-2000_0-0.alm"),
               formatAlarmLine({ "old", noSound, "1", "1", "2000", "0", "0" }));

    // The earliest are listed, every one is counted.
    const MissedAlarms month = findMissedAlarms(store.layout, { at(2007, 1, 1, 0, 0), at(2007, 2, 1, 0, 0), true }, 3);
    QCOMPARE(month.total, 32);
    QVERIFY(!month.totalIsLowerBound);
    QCOMPARE(momentsOf(month), shown({ at(2000, 1, 1, 0, 0), at(2007, 1, 1, 7, 5), at(2007, 1, 2, 7, 5) }));

    // Centuries unwatched: the count stops at its bound instead of running on.
    const MissedAlarms ages = findMissedAlarms(store.layout, { at(1971, 1, 1, 0, 0), at(2300, 2, 1, 0, 0), true }, 3);
    QVERIFY(ages.totalIsLowerBound);
    QVERIFY(ages.total < 200'000);
    QCOMPARE(ages.listed.size(), 3);

    // Cut short, the list still holds the newest misses, those of every alarm, the one counted last too.
    writeBytes(store.layout.activePath(AlarmKind::Yearly, "31-1_9-0.alm"),
               formatAlarmLine({ "year", noSound, "31", "1", "9", "0" }));
    const MissedAlarms newest = findMissedAlarms(store.layout, { at(2200, 1, 1, 0, 0), at(2300, 2, 1, 0, 0), true },
                                                 1'000'000, { allKinds.begin(), allKinds.end() }, 1000);
    QVERIFY(newest.totalIsLowerBound);
    QVERIFY(!newest.listed.isEmpty());
    QCOMPARE(momentsOf(newest).mid(newest.listed.size() - 2), shown({ at(2300, 1, 31, 7, 5), at(2300, 1, 31, 9, 0) }));
}

void MissedTest::lastRunningFile_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("fallback");
    QTest::newRow("portable: beside the settings") << "/opt/brevora"
                                                   << "/opt/brevora/Program files/last-running"
                                                   << "/home/u/.local/state/Brevora/last-running-";
    QTest::newRow("installed: the state folder") << "/home/u/.local/share/Brevora"
                                                 << "/home/u/.local/state/Brevora/last-running"
                                                 << "/home/u/.local/share/Brevora/Program files/last-running";
    QTest::newRow("installed, spelt with a final slash") << "/home/u/.local/share/Brevora/"
                                                         << "/home/u/.local/state/Brevora/last-running"
                                                         << "/home/u/.local/share/Brevora/Program files/last-running";
}

void MissedTest::lastRunningFile()
{
    QFETCH(QString, programDir);
    QFETCH(QString, expected);
    QFETCH(QString, fallback);
    const StoreLayout layout(QDir::cleanPath(programDir));
    const QString data = "/home/u/.local/share/Brevora";
    const QString state = "/home/u/.local/state/Brevora";
    QCOMPARE(brevora::lastRunningFile(layout, data, state), expected);
    const QString second = lastRunningFallback(layout, data, state);
    QVERIFY2(fallback.endsWith('-') ? second.startsWith(fallback) && second.size() == fallback.size() + 16
                                    : second == fallback,
             qPrintable(second));
    // Two portable copies never share the second place.
    if (fallback.endsWith('-'))
        QVERIFY(lastRunningFallback(StoreLayout("/opt/other"), data, state) != second);
}

void MissedTest::lastRunningContent_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "-" for no file
    QTest::addColumn<QDateTime>("expected"); // invalid: nothing known

    QTest::newRow("written by the program")
        << QByteArray("2007-02-03T13:00:00Z\n") << QDateTime(QDate(2007, 2, 3), QTime(13, 0), Qt::UTC);
    QTest::newRow("missing") << QByteArray("-") << QDateTime();
    QTest::newRow("empty") << QByteArray() << QDateTime();
    QTest::newRow("damaged") << QByteArray("2007-02-3\xff") << QDateTime();
    QTest::newRow("a moment in no zone") << QByteArray("2007-02-03T13:00:00\n") << QDateTime();
}

void MissedTest::lastRunningContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QDateTime, expected);
    StoreFixture store;
    const QString path = store.dir.filePath("state/last-running");
    if (bytes != "-") {
        QVERIFY(QDir().mkpath(store.dir.filePath("state")));
        writeBytes(path, bytes);
    }
    QCOMPARE(readLastRunning(path).value_or(QDateTime()), expected);

    // Written back in the same form, through a folder that may be missing.
    const QDateTime moment(QDate(2007, 3, 25), QTime(3, 30));
    QVERIFY(writeLastRunning(path, moment));
    QCOMPARE(readLastRunning(path).value_or(QDateTime()), moment);
    QCOMPARE(readBytes(path), QByteArray("2007-03-25T01:30:00Z\n"));
}

QTEST_APPLESS_MAIN(MissedTest)
#include "tst_missed.moc"
