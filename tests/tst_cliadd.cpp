// SPDX-License-Identifier: GPL-3.0-or-later
#include "clifixture.h"

#include "cli/commandline.h"
#include "core/life/createalarm.h"
#include "core/model/fieldrules.h"
#include "core/names/kindshape.h"
#include "core/store/storescan.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

// What the editor's Create writes for the same fields, in a store of its own: the file by name and bytes.
struct Created
{
    QString file;
    QByteArray bytes;
};

Created throughCreate(AlarmKind kind, const QStringList &due, const QString &text, const QString &sound)
{
    StoreFixture store;
    const CreatedAlarm created = createAlarm(store.layout, { kind, due, text, sound.isEmpty() ? noSound : sound });
    if (created.outcome != CreatedAlarm::Outcome::Created)
        return {};
    return { QDir(store.dir.path()).relativeFilePath(created.path), readBytes(created.path) };
}

QStringList alarmFiles(const CliFixture &f)
{
    QStringList files;
    QDirIterator it(f.store.dir.path() + "/Events", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(f.store.dir.path()).relativeFilePath(it.next()));
    return files;
}

} // namespace

class CliAddTest : public QObject
{
    Q_OBJECT
private slots:
    void sameFileAsTheEditor_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("when");
        QTest::addColumn<QStringList>("due");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sound");
        QTest::newRow("once") << AlarmKind::Once << QStringList{ "5-3-2008", "14:05" }
                              << QStringList{ "5", "3", "2008", "14", "5" } << "Dentist"
                              << "";
        QTest::newRow("daily") << AlarmKind::Daily << QStringList{ "7:30" } << QStringList{ "7", "30" } << "Medicine"
                               << "/usr/share/sounds/alarm.wav";
        QTest::newRow("weekly") << AlarmKind::Weekly << QStringList{ "Monday", "08:00" }
                                << QStringList{ "Monday", "8", "0" } << "Gym, then work"
                                << "";
        QTest::newRow("monthly") << AlarmKind::Monthly << QStringList{ "31", "0:00" } << QStringList{ "31", "0", "0" }
                                 << "Pay \"rent\""
                                 << "";
        QTest::newRow("yearly") << AlarmKind::Yearly << QStringList{ "24-12", "20:15" }
                                << QStringList{ "24", "12", "20", "15" } << "Ñoño €"
                                << "/tmp/b.ogg";
    }

    void sameFileAsTheEditor()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, when);
        QFETCH(QStringList, due);
        QFETCH(QString, text);
        QFETCH(QString, sound);
        const Created wizard = throughCreate(kind, due, text, sound);
        QVERIFY(!wizard.file.isEmpty());

        CliFixture f;
        QStringList args = QStringList{ "--add", kindWord(kind) } + when + QStringList{ "--text", text };
        if (!sound.isEmpty())
            args += { "--sound", sound };
        const auto r = f.run(args);
        QCOMPARE(r.status, 0);
        QCOMPARE(alarmFiles(f), QStringList{ wizard.file });
        QCOMPARE(readBytes(f.store.dir.filePath(wizard.file)), wizard.bytes);
        QCOMPARE(r.out.trimmed(), QDir::toNativeSeparators(f.store.dir.filePath(wizard.file)));
    }

    // The running program has another working folder, so a sound named relative to this one is anchored here.
    void relativeSoundIsAnchored()
    {
        CliFixture f;
        QCOMPARE(f.run({ "--add", "daily", "7:30", "--text", "x", "--sound", "sounds/bell.wav" }).status, 0);
        const auto record = readAlarmFile(f.active(AlarmKind::Daily, "7-30.alm"), AlarmKind::Daily);
        QVERIFY(record);
        QCOMPARE(record->sound(), QDir::current().absoluteFilePath("sounds/bell.wav"));
    }

    void refusedWithTheEditorsMessage_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("when");
        QTest::addColumn<QStringList>("due");
        QTest::newRow("day 0") << AlarmKind::Once << QStringList{ "0-3-2008", "14:00" }
                               << QStringList{ "0", "3", "2008", "14", "0" };
        QTest::newRow("month and hour out of range")
            << AlarmKind::Once << QStringList{ "5-13-2008", "24:00" } << QStringList{ "5", "13", "2008", "24", "0" };
        QTest::newRow("day with a leading zero")
            << AlarmKind::Yearly << QStringList{ "05-3", "9:00" } << QStringList{ "05", "3", "9", "0" };
        QTest::newRow("empty weekday") << AlarmKind::Weekly << QStringList{ "", "8:00" } << QStringList{ "", "8", "0" };
        QTest::newRow("day and minutes") << AlarmKind::Monthly << QStringList{ "32", "9:60" }
                                         << QStringList{ "32", "9", "60" };
        QTest::newRow("letters") << AlarmKind::Daily << QStringList{ "7:5x" } << QStringList{ "7", "5x" };
    }

    void refusedWithTheEditorsMessage()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, when);
        QFETCH(QStringList, due);
        // The editor refuses a leading zero while it is typed, before Create.
        bool leadingZero = false;
        for (qsizetype i = 0; i < due.size(); ++i)
            leadingZero |= breaksLeadingZeroRule(timeFieldRule(kindInfo(kind).fields[i]).leadingZeros, due[i]);
        const QString message = leadingZero ? leadingZeroMessage : invalidFieldsMessage(kind, due);
        QVERIFY(!message.isEmpty());

        CliFixture f;
        const auto r = f.run(QStringList{ "--add", kindWord(kind) } + when + QStringList{ "--text", "x" });
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.trimmed().endsWith(": " + message), qPrintable(r.err));
        QCOMPARE(alarmFiles(f), QStringList());
    }

    // Unlike the wizard, a script gets no second look at what it made: an alarm that never falls due is refused.
    void refusedWhenNeverDue_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("misspelt weekday") << QStringList{ "weekly", "Mondy", "8:00" } << "is not a weekday";
        QTest::newRow("moment passed") << QStringList{ "once", "3-2-2007", "13:58" } << "has passed";
        QTest::newRow("31 April") << QStringList{ "yearly", "31-4", "9:00" } << "never has a day 31";
        QTest::newRow("two-digit year") << QStringList{ "once", "3-2-7", "14:00" } << "not written in full";
    }

    void refusedWhenNeverDue()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, phrase);
        CliFixture f;
        const auto r = f.run(QStringList{ "--add" } + args + QStringList{ "--text", "x" });
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(phrase), qPrintable(r.err));
        QCOMPARE(alarmFiles(f), QStringList());
    }

    // The wizard offers the weekdays as the clock spells them; typed in any letter case, they are stored so.
    void weekdayInAnyLetterCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case") << "monday";
        QTest::newRow("upper case") << "MONDAY";
        QTest::newRow("mixed") << "mOnDaY";
    }

    void weekdayInAnyLetterCase()
    {
        QFETCH(QString, typed);
        CliFixture f;
        QCOMPARE(f.run({ "--add", "weekly", typed, "8:30", "--text", "Gym" }).status, 0);
        QCOMPARE(alarmFiles(f), QStringList{ "Events/Week/Monday_8-30.alm" });
        QCOMPARE(readBytes(f.active(AlarmKind::Weekly, "Monday_8-30.alm")),
                 formatAlarmLine({ "Gym", noSound, "Monday", "8", "30" }));
    }

    // Nothing was written, so the answer is about the request: what is wrong and the form the kind takes, and
    // none of the advice about a file in the store.
    void refusalNamesTheAcceptedForm_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("form");
        QTest::newRow("moment passed") << QStringList{ "once", "3-2-2007", "13:58" } << 1
                                       << "the moment 3-2-2007 13:58 has passed"
                                       << "D-M-YYYY H:MM";
        QTest::newRow("two-digit year") << QStringList{ "once", "3-2-7", "14:00" } << 1 << "not written in full"
                                        << "D-M-YYYY H:MM";
        QTest::newRow("misspelt weekday") << QStringList{ "weekly", "Mondy", "8:00" } << 1 << "\"Mondy\""
                                          << "WEEKDAY H:MM";
        QTest::newRow("minute out of range") << QStringList{ "monthly", "5", "9:60" } << 1 << "Minutes"
                                             << "D H:MM";
        QTest::newRow("year first") << QStringList{ "once", "2027-02-03", "14:03" } << 2
                                    << "2027-02-03 gives the year first; write the day first: 3-2-2027"
                                    << "D-M-YYYY H:MM";
        QTest::newRow("date without time") << QStringList{ "yearly", "24-12" } << 2 << "--add yearly"
                                           << "D-M H:MM";
    }

    void refusalNamesTheAcceptedForm()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, wrong);
        QFETCH(QString, form);
        CliFixture f;
        const auto r = f.run(QStringList{ "--add" } + args + QStringList{ "--text", "x" });
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(wrong), qPrintable(r.err));
        QVERIFY2(r.err.contains("takes " + form + ", such as "), qPrintable(r.err));
        QVERIFY2(!r.err.contains("delete it") && !r.err.contains(".alm"), qPrintable(r.err));
        QCOMPARE(alarmFiles(f), QStringList());
    }

    void replacesOnlyWithForce()
    {
        CliFixture f;
        f.put(f.active(AlarmKind::Weekly, "monday_8-30.alm"), { "old", noSound, "monday", "8", "30" });
        f.put(f.past(AlarmKind::Daily, "7-30.alm"), { "waiting", noSound, "7", "30" });
        const QStringList before = alarmFiles(f);

        for (const QStringList &when : { QStringList{ "weekly", "Monday", "8:30" }, QStringList{ "daily", "7:30" } }) {
            const auto r = f.run(QStringList{ "--add" } + when + QStringList{ "--text", "new" });
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains("already exists; add --force"), qPrintable(r.err));
        }
        QCOMPARE(alarmFiles(f), before);
        QCOMPARE(readBytes(f.active(AlarmKind::Weekly, "monday_8-30.alm")),
                 formatAlarmLine({ "old", noSound, "monday", "8", "30" }));

        QCOMPARE(f.run({ "--add", "weekly", "Monday", "8:30", "--text", "new", "--force" }).status, 0);
        QCOMPARE(f.run({ "--add", "daily", "7:30", "--text", "new", "--force" }).status, 0);
        // The replaced alarms are gone under every letter case and from the waiting folder.
        QStringList after = alarmFiles(f);
        after.sort();
        QCOMPARE(after, QStringList({ "Events/Day/7-30.alm", "Events/Week/Monday_8-30.alm" }));

        // What is in the way but no alarm file stays, even with --force.
        const QString pipe = f.past(AlarmKind::Yearly, "24-12_20-15.alm");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        const auto r = f.run({ "--add", "yearly", "24-12", "20:15", "--text", "new", "--force" });
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(pipe + ": is not a regular file"), qPrintable(r.err));
        QVERIFY(QFileInfo(pipe).exists());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("two commands") << QStringList{ "--list", "--check" };
        QTest::newRow("unknown option") << QStringList{ "--lsit" };
        QTest::newRow("no text") << QStringList{ "--add", "daily", "7:30" };
        QTest::newRow("unknown kind") << QStringList{ "--add", "hourly", "7:30", "--text", "x" };
        QTest::newRow("fields of another kind") << QStringList{ "--add", "once", "7:30", "--text", "x" };
        QTest::newRow("date without time") << QStringList{ "--add", "yearly", "24-12", "--text", "x" };
        QTest::newRow("time with a dash") << QStringList{ "--add", "daily", "7-30", "--text", "x" };
        QTest::newRow("add option with list") << QStringList{ "--list", "--force" };
        QTest::newRow("kind with check") << QStringList{ "--check", "--kind", "once" };
        QTest::newRow("stray argument") << QStringList{ "--list", "extra" };
        QTest::newRow("unknown list kind") << QStringList{ "--list", "--kind", "hourly" };
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        CliFixture f;
        const auto r = f.run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith("brevora: "));
        QCOMPARE(alarmFiles(f), QStringList());
    }

    void argumentsChooseTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("restarted by the session") << QStringList{ "-session", "abc" } << false;
        QTest::newRow("platform") << QStringList{ "-platform", "offscreen" } << false;
        QTest::newRow("platform, long form") << QStringList{ "--platform=xcb" } << false;
        QTest::newRow("list") << QStringList{ "--list" } << true;
        QTest::newRow("anything else") << QStringList{ "hello" } << true;
    }

    void argumentsChooseTheCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, commandLine);
        QCOMPARE(cli::wantsCommandLine(args), commandLine);
    }
};

QTEST_MAIN(CliAddTest)
#include "tst_cliadd.moc"
