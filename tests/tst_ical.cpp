// SPDX-License-Identifier: GPL-3.0-or-later
// Golden cases of --import-ics and --export-ics. Each folder of data/ical is one run of the command line: the
// store before it (before/), the command and what it says (expected.txt), and the calendar it reads
// (calendar.ics) with the store after it (after/), or the calendar it writes (export.ics). The export's store also
// makes the round trip into an empty store, and its rules are expanded by libical against the alarms' own moments.
#include "clifixture.h"

#include "core/calendar/icalbits.h"
#include "core/names/namefault.h"
#include "core/names/nextdue.h"
#include "core/store/storescan.h"

#include <QDirIterator>
#include <QTest>
#include <QUrl>

#include <ctime>

using namespace brevora;
using namespace brevora::test;

namespace {

const QString cases = QStringLiteral(BREVORA_ICAL_CASES);

// The files of a tree by their path relative to it, with their bytes.
QMap<QString, QByteArray> filesUnder(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readBytes(path));
    }
    return files;
}

void copyInto(const QString &from, const QString &to)
{
    const auto files = filesUnder(from);
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = QDir(to).filePath(it.key());
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        writeBytes(path, it.value());
    }
}

// The alarms of a store by kind and name, wherever they wait, with their bytes.
QMap<QString, QByteArray> alarmsOf(const StoreLayout &layout)
{
    QMap<QString, QByteArray> alarms;
    StoreVisitor visitor;
    visitor.problem = [](const Problem &) {};
    visitor.alarm = [&](const StoredAlarm &alarm, const AlarmContent &) {
        alarms.insert(kindWord(alarm.kind) + u'/' + alarm.fileName, readBytes(alarm.path()));
    };
    visitStore(layout, QList<AlarmKind>(allKinds.begin(), allKinds.end()), visitor);
    return alarms;
}

QString wallTime(const icaltimetype &time)
{
    return QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute))
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

class IcalTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void golden_data()
    {
        QTest::addColumn<QString>("folder");
        for (const QString &name : QDir(cases).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QTest::newRow(qPrintable(name)) << QDir(cases).filePath(name);
    }

    void golden()
    {
        QFETCH(QString, folder);
        CliFixture f;
        copyInto(folder + "/before", f.store.dir.path());
        const QString calendar = folder + "/calendar.ics";
        const auto fill
            = [&](QString line) { return line.replace("CALENDAR", calendar).replace("STORE", f.store.dir.path()); };

        QStringList args;
        int status = -1;
        QStringList out;
        QStringList err;
        QFile expected(folder + "/expected.txt");
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &line : QString::fromUtf8(expected.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QString word = line.section(u' ', 0, 0);
            const QString rest = fill(line.section(u' ', 1));
            if (word == "args")
                args = rest.split(u' ');
            else if (word == "status")
                status = rest.toInt();
            else if (word == "out")
                out.append(rest);
            else if (word == "err")
                err.append(rest);
            else
                QVERIFY2(word.startsWith(u'#'), qPrintable(line));
        }
        QVERIFY(!args.isEmpty());

        const auto r = f.run(args);
        QCOMPARE(r.err.split(u'\n', Qt::SkipEmptyParts), err);
        QCOMPARE(r.status, status);
        const QString written = folder + "/export.ics";
        if (QFileInfo::exists(written))
            QCOMPARE(r.out, QString::fromUtf8(readBytes(written)));
        else
            QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), out);
        const QString after = QFileInfo::exists(folder + "/after") ? folder + "/after" : folder + "/before";
        QCOMPARE(filesUnder(f.store.dir.path() + "/Events"), filesUnder(after + "/Events"));
    }

    // Every alarm the export holds comes back into an empty store with its name and bytes, set-aside ones as
    // active alarms; the ones the clock never brings due are the ones left out.
    void roundTripGivesTheSameFiles()
    {
        CliFixture source;
        copyInto(cases + "/export/before", source.store.dir.path());
        const auto exported = source.run({ "--export-ics" });
        QVERIFY(!exported.out.isEmpty());
        QTemporaryDir dir;
        const QString file = dir.filePath("alarms.ics");
        writeBytes(file, exported.out.toUtf8());

        CliFixture target;
        const auto imported = target.run({ "--import-ics", file });
        QCOMPARE(imported.status, 0);
        QMap<QString, QByteArray> expected = alarmsOf(source.store.layout);
        for (const QString &key : expected.keys()) {
            if (nameFault(*kindFromWord(key.section(u'/', 0, 0)), key.section(u'/', 1), source.clock.now()))
                expected.remove(key);
        }
        QVERIFY(expected.size() >= 5);
        QCOMPARE(alarmsOf(target.store.layout), expected);
        // The same calendar again is the same alarms again, and no clash.
        const auto again = target.run({ "--import-ics", file });
        QCOMPARE(again.status, 0);
        QCOMPARE(alarmsOf(target.store.layout), expected);
    }

    // A calendar shows an alarm's moments where the clock brings it due: libical's expansion of each event's
    // rule from its start gives the next ten moments nextDueMoment counts, starting with the one --list shows.
    void occurrencesAreTheNextDueMoments()
    {
        CliFixture f;
        copyInto(cases + "/export/before", f.store.dir.path());
        const auto exported = f.run({ "--export-ics" });
        QMap<QString, QString> listed;
        for (const QString &line : f.run({ "--list" }).out.split(u'\n', Qt::SkipEmptyParts)) {
            if (!line.startsWith(QStringLiteral("never")))
                listed.insert(line.section(u'\t', 4).replace(QStringLiteral("\\\\"), QStringLiteral("\\")),
                              line.section(u'\t', 0, 0).left(16));
        }

        ical::Component calendar(icalparser_parse_string(exported.out.toUtf8().constData()));
        QVERIFY(calendar);
        int events = 0;
        for (icalcomponent *event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT), ++events) {
            const QString uid = QString::fromUtf8(icalcomponent_get_uid(event));
            const auto kind = kindFromWord(uid.section(u'-', 0, 0));
            QVERIFY2(kind, qPrintable(uid));
            const QString name = QUrl::fromPercentEncoding(uid.section(u'-', 1).section(u'@', 0, 0).toUtf8());
            const icaltimetype start = icalcomponent_get_dtstart(event);
            QCOMPARE(wallTime(start), listed.value(QString::fromUtf8(icalcomponent_get_summary(event))));

            QStringList fromRule;
            if (icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
                icalrecur_iterator *it = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
                QVERIFY(it);
                for (icaltimetype next = icalrecur_iterator_next(it);
                     fromRule.size() < 10 && !icaltime_is_null_time(next); next = icalrecur_iterator_next(it))
                    fromRule.append(wallTime(next));
                icalrecur_iterator_free(it);
            } else {
                fromRule.append(wallTime(start));
            }
            QStringList fromClock;
            auto moment = nextDueMoment(*kind, name, f.clock.now());
            while (moment && fromClock.size() < 10) {
                fromClock.append(moment->toString(QStringLiteral("yyyy-MM-dd HH:mm")));
                moment = nextDueMoment(*kind, name, moment->addSecs(60));
            }
            QCOMPARE(fromRule, fromClock);
        }
        QCOMPARE(events, listed.size());
    }
};

QTEST_MAIN(IcalTest)
#include "tst_ical.moc"
