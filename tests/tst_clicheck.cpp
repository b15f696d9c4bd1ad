// SPDX-License-Identifier: GPL-3.0-or-later
#include "clifixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sys/stat.h>

#include <functional>

using namespace brevora;
using namespace brevora::test;

// Makes exactly one problem in a clean store and returns the path the message must name.
using Setup = std::function<QString(CliFixture &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString nothing = noSound;

QString soundFile(CliFixture &f, const QString &name)
{
    const QString path = f.store.dir.filePath(name);
    writeBytes(path, "RIFF");
    return path;
}

void putAllKinds(CliFixture &f, const QString &sound)
{
    f.put(f.active(AlarmKind::Once, "3-2-2007_14-0.alm"), { "Dentist", sound, "3", "2", "2007", "14", "0" });
    f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake up", nothing, "7", "5" });
    f.put(f.active(AlarmKind::Weekly, "monday_8-30.alm"), { "Gym", nothing, "Monday", "8", "30" });
    f.put(f.past(AlarmKind::Monthly, "31_9-0.alm"), { "Rent", nothing, "31", "9", "0" });
    f.put(f.active(AlarmKind::Yearly, "29-2_12-0.alm"), { "Leap day", nothing, "29", "2", "12", "0" });
}

QString setSetting(CliFixture &f, Setting setting, const QByteArray &bytes)
{
    const QString path = settingFilePath(f.store.layout.settingsFolder(), setting);
    writeBytes(path, bytes);
    return path;
}

} // namespace

class CliCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanStorePasses()
    {
        CliFixture f;
        putAllKinds(f, soundFile(f, "chimes.wav"));
        const auto r = f.run({ "--check" });
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        const auto json = f.run({ "--check", "--json" });
        QCOMPARE(json.status, 0);
        QVERIFY(QJsonDocument::fromJson(json.out.toUtf8()).object().value("problems").toArray().isEmpty());
    }

    // The log-on entry, the notification area and the sound server matter only when something relies on them.
    void systemAskedOnlyWhenNeeded()
    {
        CliFixture f;
        putAllKinds(f, nothing);
        f.probe.logon.problem = "the autostart entry is switched off";
        f.probe.notificationArea = false;
        f.probe.soundServer = false;
        const auto r = f.run({ "--check" });
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
    }

    // Whether a sleeping computer is woken is told beside the problems, with how to allow it, and fails nothing.
    void theWakeLineSaysWhetherTheComputerIsWoken_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("line");
        QTest::newRow("woken") << QString()
                               << "/usr/lib/brevora/brevora-wake: a sleeping computer will be woken for alarms\n";
        QTest::newRow("not woken")
            << "the right to wake the computer is not given (EPERM)"
            << "/usr/lib/brevora/brevora-wake: a sleeping computer will not be woken for alarms (the right to wake the "
               "computer is not given (EPERM)), so the alarms due while it sleeps are told when it wakes; to allow it, "
               "an administrator runs: setcap cap_wake_alarm+ep /usr/lib/brevora/brevora-wake\n";
    }

    void theWakeLineSaysWhetherTheComputerIsWoken()
    {
        QFETCH(QString, reason);
        QFETCH(QString, line);
        CliFixture f;
        f.probe.wake.problem = reason;
        const auto r = f.run({ "--check" });
        QCOMPARE(r.out, line);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
    }

    void eachProblem_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("phrase");
        const auto day = [](CliFixture &f, const QString &name, const QStringList &fields) {
            f.put(f.active(AlarmKind::Daily, name), fields);
            return f.active(AlarmKind::Daily, name);
        };
        const auto alarm = [](AlarmKind kind, QString name, QStringList fields) {
            return Setup([=](CliFixture &f) {
                f.put(f.active(kind, name), fields);
                return f.active(kind, name);
            });
        };
        const auto withSound = [](std::function<QString(CliFixture &)> sound) {
            return Setup([=](CliFixture &f) {
                f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "Wake", sound(f), "7", "5" });
                return f.active(AlarmKind::Daily, "7-5.alm");
            });
        };

        QTest::newRow("too few fields") << Setup([=](CliFixture &f) {
            return day(f, "7-5.alm", { "W", nothing, "7" });
        }) << "holds 3 readable fields where a once a day alarm has 4";
        QTest::newRow("one field") << Setup([=](CliFixture &f) { return day(f, "7-5.alm", { "W" }); })
                                   << "holds 1 readable field where";
        QTest::newRow("line too long") << Setup([](CliFixture &f) {
            const QString path = f.active(AlarmKind::Daily, "7-5.alm");
            writeBytes(path, "\"" + QByteArray(maxAlarmLineBytes, 'x') + "\",\"ninguno\",\"7\",\"5\"\r\n");
            return path;
        }) << "cannot be read";
        QTest::newRow("too many fields") << Setup([=](CliFixture &f) {
            return day(f, "7-5.alm", { "W", nothing, "7", "5", "x" });
        }) << "more than the 4 fields";
        QTest::newRow("leading zero") << alarm(AlarmKind::Daily, "07-05.alm", { "W", nothing, "07", "05" })
                                      << "leading zero, which the clock never writes, so this alarm is never shown; "
                                         "rename it to 7-5.alm";
        QTest::newRow("31-4") << alarm(AlarmKind::Yearly, "31-4_9-0.alm", { "W", nothing, "31", "4", "9", "0" })
                              << "month 4 never has a day 31";
        QTest::newRow("30-2") << alarm(AlarmKind::Yearly, "30-2_9-0.alm", { "W", nothing, "30", "2", "9", "0" })
                              << "month 2 never has a day 30";
        QTest::newRow("misspelt weekday")
            << alarm(AlarmKind::Weekly, "Mondy_8-30.alm", { "W", nothing, "Mondy", "8", "30" })
            << "\"Mondy\" is not a weekday";
        QTest::newRow("two-digit year") << alarm(AlarmKind::Once, "3-2-7_14-0.alm",
                                                 { "W", nothing, "3", "2", "7", "14", "0" })
                                        << "the year 7 is not written in full";
        QTest::newRow("moment passed") << alarm(AlarmKind::Once, "3-2-2007_13-58.alm",
                                                { "W", nothing, "3", "2", "2007", "13", "58" })
                                       << "moment has passed";
        QTest::newRow("fields disagree") << alarm(AlarmKind::Daily, "7-5.alm", { "W", nothing, "7", "6" })
                                         << "fields in the file (7 6) disagree with its name";
        QTest::newRow("letter case only") << Setup([](CliFixture &f) {
            f.put(f.active(AlarmKind::Weekly, "Monday_8-30.alm"), { "W", nothing, "Monday", "8", "30" });
            f.put(f.active(AlarmKind::Weekly, "MONDAY_8-30.alm"), { "W", nothing, "MONDAY", "8", "30" });
            return f.store.layout.activeFolder(AlarmKind::Weekly);
        }) << "only in letter case";
        QTest::newRow("active and waiting") << Setup([=](CliFixture &f) {
            day(f, "7-5.alm", { "W", nothing, "7", "5" });
            f.put(f.past(AlarmKind::Daily, "7-5.alm"), { "W", nothing, "7", "5" });
            return f.past(AlarmKind::Daily, "7-5.alm");
        }) << "cannot come back";
        QTest::newRow("not an alarm file") << Setup([](CliFixture &f) {
            const QString path = f.store.layout.activeFolder(AlarmKind::Daily) + "/notes.txt";
            writeBytes(path, "x");
            return path;
        }) << "is not an alarm file";
        QTest::newRow("setting without line end")
            << Setup([](CliFixture &f) { return setSetting(f, Setting::Hide, "#FALSE#"); })
            << "exactly #TRUE# or #FALSE#";
        QTest::newRow("setting in lower case")
            << Setup([](CliFixture &f) { return setSetting(f, Setting::Past, "#true#\r\n"); })
            << "exactly #TRUE# or #FALSE#";
        QTest::newRow("setting missing") << Setup([](CliFixture &f) {
            const QString path = settingFilePath(f.store.layout.settingsFolder(), Setting::Startup);
            QFile::remove(path);
            return path;
        }) << "settings file is missing";
        QTest::newRow("setting is a pipe") << Setup([](CliFixture &f) {
            const QString path = settingFilePath(f.store.layout.settingsFolder(), Setting::Past);
            QFile::remove(path);
            if (mkfifo(QFile::encodeName(path).constData(), 0644) != 0)
                return QStringLiteral("mkfifo failed");
            return path;
        }) << "is not a regular file";
        QTest::newRow("log-on entry") << Setup([](CliFixture &f) {
            setSetting(f, Setting::Startup, formatSettingValue(true));
            f.probe.logon.problem = "the entry is switched off";
            return f.probe.logon.path;
        }) << "the entry is switched off, so Brevora does not start when you log on";
        QTest::newRow("no notification area") << Setup([](CliFixture &f) {
            f.probe.notificationArea = false;
            return setSetting(f, Setting::Hide, formatSettingValue(true));
        }) << "no notification area";
        QTest::newRow("sound file missing") << withSound([](CliFixture &f) { return f.store.dir.filePath("gone.wav"); })
                                            << "gone.wav does not exist, so this alarm is not heard";
        QTest::newRow("sound does not decode") << withSound([](CliFixture &f) {
            const QString path = soundFile(f, "broken.wav");
            f.probe.frames.insert(path, std::nullopt);
            return path;
        }) << "cannot be decoded";
        QTest::newRow("sound without frames") << withSound([](CliFixture &f) {
            const QString path = soundFile(f, "empty.wav");
            f.probe.frames.insert(path, 0);
            return path;
        }) << "holds no sound";
        QTest::newRow("empty sound field")
            << withSound([](CliFixture &) { return QString(); }) << "the sound field is empty";
        QTest::newRow("no sound server") << Setup([](CliFixture &f) {
            f.put(f.active(AlarmKind::Daily, "7-5.alm"), { "W", soundFile(f, "ok.wav"), "7", "5" });
            f.probe.soundServer = false;
            return f.store.dir.path();
        }) << "no sound server answers";
    }

    void eachProblem()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, phrase);
        CliFixture f;
        const QString path = setup(f);
        const auto r = f.run({ "--check" });
        QCOMPARE(r.status, 1);
        const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() == 1, qPrintable(r.err));
        QVERIFY2(lines[0].startsWith(path), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(phrase), qPrintable(lines[0]));
        // Every problem says what to do about it.
        QVERIFY2(lines[0].indexOf("; ") > lines[0].indexOf(phrase), qPrintable(lines[0]));
        const auto json = f.run({ "--check", "--json" });
        QCOMPARE(json.status, 1);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).object().value("problems").toArray().size(), 1);
    }
};

QTEST_MAIN(CliCheckTest)
#include "tst_clicheck.moc"
