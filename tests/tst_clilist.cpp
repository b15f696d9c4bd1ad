// SPDX-License-Identifier: GPL-3.0-or-later
#include "clifixture.h"

#include "core/life/occurrence.h"
#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "core/settings/lastrunning.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <ctime>

#include <sys/inotify.h>
#include <unistd.h>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

class CliListTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    // 31 January 2007 was a Wednesday; February 2007 has 28 days and 2008 is a leap year.
    void orderAcrossMonthEndsLeapYearsAndWeekdays()
    {
        CliFixture f;
        f.clock.set(2007, 1, 31, 10, 0, 30);
        const QString none = noSound;
        f.put(f.active(AlarmKind::Monthly, "31_9-0.alm"), { "31st", none, "31", "9", "0" });
        f.put(f.active(AlarmKind::Monthly, "30_9-0.alm"), { "30th", none, "30", "9", "0" });
        f.put(f.active(AlarmKind::Monthly, "1_0-0.alm"), { "1st", none, "1", "0", "0" });
        f.put(f.active(AlarmKind::Yearly, "29-2_12-0.alm"), { "leap", none, "29", "2", "12", "0" });
        f.put(f.active(AlarmKind::Yearly, "28-2_12-0.alm"), { "28 Feb", none, "28", "2", "12", "0" });
        f.put(f.active(AlarmKind::Weekly, "Thursday_8-0.alm"), { "thu", none, "Thursday", "8", "0" });
        f.put(f.active(AlarmKind::Weekly, "wednesday_10-0.alm"), { "now", none, "wednesday", "10", "0" });
        f.put(f.active(AlarmKind::Daily, "9-59.alm"), { "daily", "/s/a b.wav", "9", "59" });
        f.put(f.past(AlarmKind::Daily, "10-0.alm"), { "waiting", none, "10", "0" });
        f.put(f.active(AlarmKind::Once, "31-1-2007_9-0.alm"), { "passed", none, "31", "1", "2007", "9", "0" });
        f.put(f.active(AlarmKind::Once, "1-2-2007_8-0.alm"), { "same minute", none, "1", "2", "2007", "8", "0" });

        const auto r = f.run({ "--list" });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QStringList expected{
            "2007-01-31 10:00+01:00\tweekly\tactive\t-\tnow",
            "2007-02-01 00:00+01:00\tmonthly\tactive\t-\t1st",
            // Two alarms of one minute: by kind, one-time first.
            "2007-02-01 08:00+01:00\tonce\tactive\t-\tsame minute",
            "2007-02-01 08:00+01:00\tweekly\tactive\t-\tthu",
            "2007-02-01 09:59+01:00\tdaily\tactive\t/s/a b.wav\tdaily",
            // Set aside at 10:00: back only after the minute, so tomorrow.
            "2007-02-01 10:00+01:00\tdaily\twaiting\t-\twaiting",
            "2007-02-28 12:00+01:00\tyearly\tactive\t-\t28 Feb",
            "2007-03-30 09:00+02:00\tmonthly\tactive\t-\t30th",
            "2007-03-31 09:00+02:00\tmonthly\tactive\t-\t31st",
            "2008-02-29 12:00+01:00\tyearly\tactive\t-\tleap",
            "never\tonce\tactive\t-\tpassed",
        };
        QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), expected);
    }

    void kindFilterAndJson()
    {
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake", "/s/x.wav", "7", "5" });
        f.put(f.past(AlarmKind::Daily, "7-6.alm"), { "Later", noSound, "7", "6" });
        f.put(f.active(AlarmKind::Once, "1-1-2000_0-0.alm"), { "Old", noSound, "1", "1", "2000", "0", "0" });

        const auto daily = f.run({ "--list", "--kind", "daily" });
        QCOMPARE(daily.out.count(u'\n'), 2);
        QVERIFY(!daily.out.contains("Old"));

        const auto r = f.run({ "--list", "--json" });
        QCOMPARE(r.status, 0);
        const QJsonArray alarms = QJsonDocument::fromJson(r.out.toUtf8()).object().value("alarms").toArray();
        QCOMPARE(alarms.size(), 3);
        const QJsonObject first = alarms[0].toObject();
        QCOMPARE(first.value("nextDue").toString(), "2007-02-04T07:05:00+01:00");
        QCOMPARE(first.value("sound").toString(), "/s/x.wav");
        QCOMPARE(alarms[1].toObject().value("waiting").toBool(), true);
        QVERIFY(alarms[1].toObject().value("sound").isNull());
        QVERIFY(alarms[2].toObject().value("nextDue").isNull());
        QCOMPARE(alarms[2].toObject().value("text").toString(), "Old");
    }

    // Moments carry the clock's offset: in the hour a change to winter time repeats, a name written in the first pass
    // comes again in the second; in the hour a change to summer time skips, never.
    void clockChanges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("now");
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("moment");
        QTest::newRow("Berlin, daily in the second pass")
            << QByteArray("Europe/Berlin") << "2026-10-25T02:11:00+02:00" << AlarmKind::Daily
            << QStringList{ "2", "10" } << "2026-10-25 02:10+01:00";
        QTest::newRow("Berlin, one-time in the second pass")
            << QByteArray("Europe/Berlin") << "2026-10-25T02:11:00+02:00" << AlarmKind::Once
            << QStringList{ "25", "10", "2026", "2", "10" } << "2026-10-25 02:10+01:00";
        QTest::newRow("Berlin, the skipped minute")
            << QByteArray("Europe/Berlin") << "2026-03-29T01:00:00+01:00" << AlarmKind::Daily
            << QStringList{ "2", "30" } << "2026-03-30 02:30+02:00";
        QTest::newRow("New York, daily in the second pass")
            << QByteArray("America/New_York") << "2026-11-01T01:31:00-04:00" << AlarmKind::Daily
            << QStringList{ "1", "30" } << "2026-11-01 01:30-05:00";
        QTest::newRow("New York, the skipped minute")
            << QByteArray("America/New_York") << "2026-03-08T01:59:00-05:00" << AlarmKind::Daily
            << QStringList{ "2", "0" } << "2026-03-09 02:00-04:00";
    }

    void clockChanges()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, now);
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, fields);
        QFETCH(QString, moment);
        qputenv("TZ", zone);
        tzset();
        CliFixture f;
        f.clock.set(QDateTime::fromString(now, Qt::ISODate).toLocalTime());
        f.put(f.active(kind, alarmFileName(kind, fields)), QStringList{ "it", noSound } + fields);
        const auto r = f.run({ "--list" });
        qputenv("TZ", "Europe/Berlin");
        tzset();
        QCOMPARE(r.out, moment + "\t" + kindWord(kind) + "\tactive\t-\tit\n");
    }

    // The same list as the report at start-up, counted from the moment the program last watched the clock.
    void missedSinceLastRun()
    {
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake", noSound, "7", "5" });
        f.put(f.active(AlarmKind::Weekly, "Friday_9-0.alm"), { "Fri", noSound, "Friday", "9", "0" });
        f.put(f.active(AlarmKind::Once, "3-2-2007_9-0.alm"), { "Dentist", noSound, "3", "2", "2007", "9", "0" });
        f.put(f.active(AlarmKind::Once, "3-2-2007_15-0.alm"), { "Later", noSound, "3", "2", "2007", "15", "0" });
        // Passed before the program last ran: told then, so not again.
        f.put(f.active(AlarmKind::Once, "1-2-2007_9-0.alm"), { "Told", noSound, "1", "2", "2007", "9", "0" });
        const QString state = f.store.dir.filePath("Program files/last-running");

        const auto unknown = f.run({ "--list", "--missed" });
        QCOMPARE(unknown.status, 0);
        QCOMPARE(unknown.out, "2007-02-01 09:00+01:00\tonce\tTold\n2007-02-03 09:00+01:00\tonce\tDentist\n");

        QVERIFY(writeLastRunning(state, QDateTime(QDate(2007, 2, 1), QTime(20, 0))));
        const auto r = f.run({ "--list", "--missed" });
        QCOMPARE(r.err, QString());
        const QStringList expected{ "2007-02-02 07:05+01:00\tdaily\tWake", "2007-02-02 09:00+01:00\tweekly\tFri",
                                    "2007-02-03 07:05+01:00\tdaily\tWake", "2007-02-03 09:00+01:00\tonce\tDentist" };
        QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), expected);

        const auto json = f.run({ "--list", "--missed", "--kind", "daily", "--json" });
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        const QJsonArray missed = object.value("missed").toArray();
        QCOMPARE(missed.size(), 2);
        QCOMPARE(missed[1].toObject().value("moment").toString(), "2007-02-03T07:05:00+01:00");
        QCOMPARE(missed[1].toObject().value("text").toString(), "Wake");
        QCOMPARE(QDir::fromNativeSeparators(missed[1].toObject().value("file").toString()),
                 f.active(AlarmKind::Daily, "7-5.alm"));
        QCOMPARE(object.value("complete").toBool(), true);

        QCOMPARE(f.run({ "--check", "--missed" }).status, 2);
    }

    // Names that differ only in letter case: the due check, --list and the missed list all name the same file, the
    // one spelt as the clock spells the name, or else the first in name order.
    void twinsAgree()
    {
        CliFixture f;
        const QString none = noSound;
        f.put(f.active(AlarmKind::Weekly, "MONDAY_8-30.alm"), { "upper", none, "MONDAY", "8", "30" });
        f.put(f.active(AlarmKind::Weekly, "Monday_8-30.alm"), { "lower", none, "Monday", "8", "30" });
        f.put(f.active(AlarmKind::Weekly, "monday_9-0.alm"), { "lower 9", none, "monday", "9", "0" });
        f.put(f.active(AlarmKind::Weekly, "MONDAY_9-0.alm"), { "upper 9", none, "MONDAY", "9", "0" });
        QVERIFY(writeLastRunning(f.store.dir.filePath("Program files/last-running"),
                                 QDateTime(QDate(2007, 1, 20), QTime(12, 0))));
        const QString folder = f.store.layout.activeFolder(AlarmKind::Weekly);
        const QStringList expected{ f.active(AlarmKind::Weekly, "Monday_8-30.alm"),
                                    f.active(AlarmKind::Weekly, "MONDAY_9-0.alm") };

        QStringList listed;
        const auto list = QJsonDocument::fromJson(f.run({ "--list", "--json" }).out.toUtf8()).object();
        for (const QJsonValue entry : list.value("alarms").toArray()) {
            if (!entry.toObject().value("nextDue").isNull())
                listed.append(QDir::fromNativeSeparators(entry.toObject().value("file").toString()));
        }
        QCOMPARE(listed, expected);

        QSet<QString> missed;
        const auto report = QJsonDocument::fromJson(f.run({ "--list", "--missed", "--json" }).out.toUtf8()).object();
        for (const QJsonValue entry : report.value("missed").toArray())
            missed.insert(QDir::fromNativeSeparators(entry.toObject().value("file").toString()));
        QCOMPARE(report.value("missed").toArray().size(), 4); // two Mondays, two alarms
        QCOMPARE(missed, QSet<QString>(expected.begin(), expected.end()));

        // 5 February 2007 was a Monday.
        QStringList due;
        for (int hour : { 8, 9 }) {
            f.clock.set(2007, 2, 5, hour, hour == 8 ? 30 : 0);
            due.append(dueFilePath(AlarmKind::Weekly, folder, f.clock));
        }
        QCOMPARE(due, expected);
    }

    // The due check never shows a file it cannot read, nor the twin of a name it finds instead; --check says why.
    void neverShownIsNeverDue()
    {
        CliFixture f;
        const QString none = noSound;
        f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "damaged", none, "7" });
        f.put(f.active(AlarmKind::Weekly, "MONDAY_8-30.alm"), { "upper", none, "MONDAY", "8", "30" });
        f.put(f.active(AlarmKind::Weekly, "Monday_8-30.alm"), { "clock's spelling", none, "Monday", "8", "30" });
        f.put(f.active(AlarmKind::Daily, "9-0.alm"), { "active", none, "9", "0" });
        f.put(f.past(AlarmKind::Daily, "9-0.alm"), { "waiting twin", none, "9", "0" });

        const auto r = f.run({ "--list" });
        QCOMPARE(r.status, 0);
        const QStringList expected{
            "2007-02-04 09:00+01:00\tdaily\tactive\t-\tactive",
            "2007-02-05 08:30+01:00\tweekly\tactive\t-\tclock's spelling",
            "never\tdaily\tactive\t?\t(unreadable: 7-5.alm)",
            "never\tdaily\twaiting\t-\twaiting twin",
            "never\tweekly\tactive\t-\tupper",
        };
        QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), expected);

        const auto listed = QJsonDocument::fromJson(f.run({ "--list", "--json" }).out.toUtf8());
        const auto checked = QJsonDocument::fromJson(f.run({ "--check", "--json" }).out.toUtf8());
        QStringList never;
        for (const QJsonValue &alarm : listed.object().value("alarms").toArray()) {
            if (alarm.toObject().value("nextDue").isNull())
                never.append(alarm.toObject().value("file").toString());
        }
        QStringList explained;
        for (const QJsonValue &problem : checked.object().value("problems").toArray())
            explained.append(problem.toObject().value("path").toString());
        never.sort();
        explained.sort();
        QCOMPARE(explained, never);
    }

    // Every alarm stays one line of five columns, however its text or sound is made.
    void columnsAreEscaped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("columns");
        QTest::newRow("tab in the text") << "7-5.alm" << QByteArray("\"a\tb\",\"ninguno\",\"7\",\"5\"\r\n")
                                         << "-\ta\\tb";
        QTest::newRow("backslash and tab in the sound")
            << "7-5.alm" << QByteArray("\"x\",\"C:\\s\tb.wav\",\"7\",\"5\"\r\n") << "C:\\\\s\\tb.wav\tx";
        QTest::newRow("backslash as the text")
            << "7-5.alm" << QByteArray("\"\\n\",\"ninguno\",\"7\",\"5\"\r\n") << "-\t\\\\n";
        QTest::newRow("line end in an unreadable file's name")
            << "7\n5\r.alm" << QByteArray("\"x\"\r\n") << "?\t(unreadable: 7\\n5\\r.alm)";
    }

    void columnsAreEscaped()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, columns);
        CliFixture f;
        writeBytes(f.active(AlarmKind::Daily, name), content);
        const auto r = f.run({ "--list" });
        QCOMPARE(r.out.count(u'\n'), 1);
        QCOMPARE(r.out.count(u'\t'), 4);
        QVERIFY2(r.out.endsWith("\t" + columns + "\n"), qPrintable(r.out));
    }

    // Every command refuses a folder named outright that is not there, and makes none.
    void missingStoreIsRefused_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("list") << QStringList{ "--list" };
        QTest::newRow("add") << QStringList{ "--add", "daily", "7:05", "--text", "Wake" };
    }

    void missingStoreIsRefused()
    {
        QFETCH(QStringList, command);
        CliFixture f;
        const QString missing = f.store.dir.filePath("nowhere");
        const auto r = f.run(command + QStringList{ "--program-dir", missing }, false);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(missing + ": "), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // Each file is opened once: its line is written from what the walk read.
    void eachFileIsReadOnce()
    {
        CliFixture f;
        f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake", noSound, "7", "5" });
        // Closes are watched too, or two opens in a row would be told as one.
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        const auto closeWatch = qScopeGuard([watch] { ::close(watch); });
        QVERIFY(::inotify_add_watch(watch, QFile::encodeName(f.store.layout.activeFolder(AlarmKind::Daily)).constData(),
                                    IN_OPEN | IN_CLOSE)
                >= 0);
        for (const QStringList &command : { QStringList{ "--list" }, { "--list", "--json" } }) {
            QVERIFY(f.run(command).out.contains("Wake"));
            int opened = 0;
            alignas(inotify_event) char buffer[4096];
            for (ssize_t size; (size = ::read(watch, buffer, sizeof buffer)) > 0;) {
                for (ssize_t at = 0; at < size;) {
                    const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                    opened += (event->mask & IN_OPEN) && event->len > 0 && QByteArray(event->name) == "7-5.alm";
                    at += ssize_t(sizeof(inotify_event) + event->len);
                }
            }
            QCOMPARE(opened, 1);
        }
    }
};

QTEST_MAIN(CliListTest)
#include "tst_clilist.moc"
