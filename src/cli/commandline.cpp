// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/commands/addalarm.h"
#include "cli/commands/checkstore.h"
#include "cli/commands/checksystem.h"
#include "cli/commands/deletealarm.h"
#include "cli/commands/listing.h"
#include "core/calendar/icalexport.h"
#include "core/calendar/icalimport.h"
#include "core/names/kindshape.h"
#include "core/settings/lastrunning.h"
#include "os/clock/clock.h"
#include "os/desktop/places.h"
#include "os/probe/systemprobe.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <limits>

namespace brevora::cli {

namespace {

const QString kindWords = QStringLiteral("once, daily, weekly, monthly or yearly");

struct Options
{
    QCommandLineOption programDir{ "program-dir", "Use the alarms and settings kept in <dir>.", "dir" };
    QCommandLineOption list{ "list", "List every alarm by its next due moment." };
    QCommandLineOption check{ "check", "Report everything that keeps an alarm from being shown or heard." };
    QCommandLineOption add{ "add", "Add an alarm of <kind> (" + kindWords + ") due at the fields that follow.",
                            "kind" };
    QCommandLineOption kind{ "kind", "With --list: only the alarms of <kind>.", "kind" };
    QCommandLineOption missed{ "missed", "With --list: the alarms that fell due while Brevora was not running." };
    QCommandLineOption json{ "json", "With --list or --check: write JSON to the standard output." };
    QCommandLineOption text{ "text", "With --add: the alarm's text.", "text" };
    QCommandLineOption sound{ "sound", "With --add: the sound file to play.", "file" };
    QCommandLineOption force{ "force", "With --add or --import-ics: replace an alarm of the same kind and moment." };
    QCommandLineOption exportIcs{ "export-ics",
                                  "Write every alarm as an iCalendar event to the file that follows, or to the "
                                  "standard output (none, or -)." };
    QCommandLineOption importIcs{ "import-ics", "Make alarms of the events of the iCalendar file <file>.", "file" };
    QCommandLineOption dryRun{ "dry-run", "With --import-ics: report what would be imported, and write nothing." };
    QCommandLineOption replace{ "replace",
                                "With --add: change the alarm <file> into the new one (a path, or a name in the "
                                "folders of the new alarm's kind).",
                                "file" };
    QCommandLineOption remove{ "delete",
                               "Delete the alarm <file>: a path, or a kind and a name (weekly Monday_8-30.alm).",
                               "file" };
    QCommandLineOption help{ { "h", "help" }, "Show this help." };
    QCommandLineOption version{ { "v", "version" }, "Show the version." };
};

const char *const description
    = "Lists, checks, adds, changes and deletes Brevora's alarms without opening a window.\n"
      "Started without arguments, Brevora opens its windows, which need a display (DISPLAY or\n"
      "WAYLAND_DISPLAY); without one, the options below still work.\n\n"
      "Fields of --add: once D-M-YYYY H:MM, daily H:MM, weekly WEEKDAY H:MM, monthly D H:MM,\n"
      "yearly D-M H:MM. Example:\n"
      "  brevora --add once 3-2-2030 14:00 --text Dentist\n"
      "  brevora --add daily 14:30 --text Tea --replace 14-0.alm\n"
      "  brevora --delete daily 14-30.alm\n"
      "  brevora --export-ics alarms.ics\n"
      "  brevora --import-ics calendar.ics --dry-run\n\n"
      "--list writes a tab, a line end or a backslash within a column as \\t, \\r, \\n or \\\\.\n\n"
      "Exit status: 0 when all is well, 1 when the check found problems or a command was refused,\n"
      "2 for a usage error.";

int usage(const Context &context, const QString &message)
{
    context.err << "brevora: " << message << "\nTry 'brevora --help' for more information.\n";
    context.err.flush();
    return UsageError;
}

// The first of `others`, options that the command does not take, that was given.
QString stray(const QCommandLineParser &parser, const QList<const QCommandLineOption *> &others)
{
    for (const QCommandLineOption *option : others) {
        if (parser.isSet(*option))
            return QStringLiteral("--") + option->names().constLast();
    }
    return {};
}

int listMissed(const Context &context, const StoreLayout &layout, const QList<AlarmKind> &kinds, bool json)
{
    // The start's own rule (MissedWatch::checkAtStart): counted from the kept moment, and every passed one-time
    // alarm only when no moment is kept. Everything found is listed; only an absence of centuries reaches the
    // bound, and the note says so.
    const std::optional<QDateTime> since = readLastRunning(lastRunningFiles(layout));
    const MissedAlarms missed
        = findMissedAlarms(layout, { since, context.clock.now(), !since }, std::numeric_limits<int>::max(), kinds);
    if (json) {
        context.out << missedJson(missed);
        context.out.flush();
    } else {
        printMissed(context.out, missed);
    }
    if (missed.totalIsLowerBound) {
        context.err << "brevora: the count stopped at " << missed.total << " missed occurrences\n";
        context.err.flush();
    }
    // A folder that cannot be read hides its missed alarms: the list is not the whole answer.
    ProblemStream problems(context.err, false);
    for (const Problem &problem : missed.problems)
        problems.add(problem);
    problems.finish();
    return problems.count() == 0 ? Success : Problems;
}

int list(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    QList<AlarmKind> kinds(allKinds.begin(), allKinds.end());
    if (parser.isSet(o.kind)) {
        const auto kind = kindFromWord(parser.value(o.kind));
        if (!kind)
            return usage(context, QStringLiteral("--kind takes %1").arg(kindWords));
        kinds = { *kind };
    }
    if (parser.isSet(o.missed))
        return listMissed(context, layout, kinds, parser.isSet(o.json));
    ProblemStream problems(context.err, false);
    const QList<ListedAlarm> alarms = listAlarms(layout, kinds, context.clock.now(), problems.sink());
    if (parser.isSet(o.json))
        printListingJson(context.out, alarms);
    else
        printListing(context.out, alarms);
    problems.finish();
    return problems.count() == 0 ? Success : Problems;
}

// Each file is checked as it is read and its problems written at once, so the store is never held whole.
int check(const Context &context, const StoreLayout &layout, bool json)
{
    ProblemStream problems(json ? context.out : context.err, json);
    StoreCheck store(context.clock.now(), problems.sink());
    SoundCheck sounds(context.probe, problems.sink());
    StoreVisitor visitor;
    visitor.alarm = [&](const StoredAlarm &alarm, const AlarmContent &content) {
        store.alarm(alarm, content);
        sounds.alarm(alarm, content);
    };
    visitor.other = [&](const QString &path) { store.other(path); };
    visitor.problem = problems.sink();
    visitor.oddEntry = problems.sink();
    visitStore(layout, QList<AlarmKind>(allKinds.begin(), allKinds.end()), visitor);
    store.finish(layout);
    checkSystem(layout, context.probe, sounds.anySound(), problems.sink());
    // Said whatever the answer, beside the problems: the JSON document holds only those.
    if (!json)
        printProblems(context.out, { wakeFinding(context.probe) });
    problems.finish();
    return problems.count() == 0 ? Success : Problems;
}

int refuse(const Context &context, const Problem &problem)
{
    printProblems(context.err, { problem });
    return Problems;
}

int deleteAlarm(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        return usage(context, QStringLiteral("unexpected argument \"%1\"").arg(rest.at(1)));
    std::optional<AlarmKind> kind;
    QString file = parser.value(o.remove);
    if (!rest.isEmpty()) {
        kind = kindFromWord(file);
        if (!kind)
            return usage(context, QStringLiteral("--delete takes a file, or a kind (%1) and a name").arg(kindWords));
        file = rest.first();
    }
    const NamedAlarm alarm = namedAlarm(layout, file, kind);
    if (alarm.path.isEmpty())
        return refuse(context, alarm.problem);
    const QList<Problem> problems = deleteNamedAlarm(alarm);
    if (!problems.isEmpty())
        return refuse(context, problems.first());
    context.out << QDir::toNativeSeparators(alarm.path) << '\n';
    context.out.flush();
    return Success;
}

int add(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    const auto kind = kindFromWord(parser.value(o.add));
    if (!kind)
        return usage(context, QStringLiteral("--add takes %1").arg(kindWords));
    if (!parser.isSet(o.text))
        return usage(context, QStringLiteral("--add needs --text"));
    AddRequest request{ *kind,        parser.positionalArguments(), parser.value(o.text),
                        std::nullopt, parser.isSet(o.force),        {} };
    if (parser.isSet(o.replace)) {
        const NamedAlarm replaced = namedAlarm(layout, parser.value(o.replace), *kind);
        if (replaced.path.isEmpty())
            return refuse(context, replaced.problem);
        request.replace = replaced.path;
    }
    if (parser.isSet(o.sound))
        request.sound = parser.value(o.sound);
    const AddOutcome outcome = addAlarm(layout, request, context.clock.now(), context.probe);
    const QString form
        = QStringLiteral("--add %1 takes %2, such as %3").arg(kindWord(*kind), addSyntax(*kind), addExample(*kind));
    if (outcome.status == AddOutcome::Status::Usage)
        return usage(context, outcome.messages.isEmpty() ? form : outcome.messages.first().problem + "; " + form);
    if (outcome.status == AddOutcome::Status::Rejected) {
        // Nothing was written, so the fault is the request's: what is wrong with it, and what it should be.
        context.err << "brevora: " << form << ", with numbers as the clock writes them (7, not 07)\n"
                    << "brevora: the alarm was not added: " << outcome.messages.first().problem << '\n';
        context.err.flush();
        return Problems;
    }
    printProblems(context.err, outcome.messages);
    if (outcome.status == AddOutcome::Status::Added) {
        context.out << QDir::toNativeSeparators(outcome.path) << '\n';
        context.out.flush();
    }
    return outcome.status == AddOutcome::Status::Added && !outcome.replacedStayed ? Success : Problems;
}

int exportIcs(const Context &context, const QCommandLineParser &parser, const StoreLayout &layout)
{
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        return usage(context, QStringLiteral("unexpected argument \"%1\"").arg(rest.at(1)));
    const ExportedCalendar calendar = exportCalendar(layout, context.clock.now());
    printProblems(context.err, calendar.leftOut);
    if (!calendar.error.isEmpty()) {
        context.err << "brevora: " << calendar.error << '\n';
        context.err.flush();
        return Problems;
    }
    const QString file = rest.value(0, QStringLiteral("-"));
    if (file == u'-') {
        context.out << QString::fromUtf8(calendar.text);
        context.out.flush();
    } else {
        QSaveFile save(file);
        if (!save.open(QIODevice::WriteOnly) || save.write(calendar.text) != calendar.text.size() || !save.commit()) {
            printProblems(context.err, { { file, save.errorString(), {} } });
            return Problems;
        }
    }
    return calendar.leftOut.isEmpty() ? Success : Problems;
}

// One line of what --import-ics tells: "FILE:LINE: UID: not imported: why", or "FILE:LINE: UID: what to know" of
// something imported; a component whose line the text does not show is counted instead ("FILE: item 3").
QString importLine(const QString &file, const ImportNote &note)
{
    const QString where = note.line > 0 ? QStringLiteral("%1:%2").arg(file).arg(note.line)
        : note.item > 0                 ? QStringLiteral("%1: item %2").arg(file).arg(note.item)
                                        : file;
    if (note.item == 0)
        return QStringLiteral("%1: not imported: %2").arg(where, note.text);
    const QString uid = note.uid.isEmpty() ? QStringLiteral("(no UID)") : note.uid;
    if (note.kind == ImportNote::Kind::Note)
        return QStringLiteral("%1: %2: %3").arg(where, uid, note.text);
    const QString why
        = note.kind == ImportNote::Kind::Taken ? note.text + QStringLiteral("; ") + forceAdvice() : note.text;
    return QStringLiteral("%1: %2: not imported: %3").arg(where, uid, why);
}

int importIcs(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    const QString file = parser.value(o.importIcs);
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        printProblems(context.err, { { file, input.errorString(), {} } });
        return Problems;
    }
    const ImportReport report = importCalendar(layout, input.readAll(), context.clock.now(), probedSound(context.probe),
                                               { parser.isSet(o.dryRun), parser.isSet(o.force) });
    for (const QString &path : report.written)
        context.out << QDir::toNativeSeparators(path) << '\n';
    context.out.flush();
    for (const ImportNote &note : report.notes)
        context.err << importLine(file, note) << '\n';
    context.err.flush();
    return report.notImported() == 0 ? Success : Problems;
}

} // namespace

bool wantsCommandLine(const QStringList &arguments)
{
    static const QStringList qtOptions{ "-platform",        "-platformpluginpath",
                                        "-platformtheme",   "-plugin",
                                        "-session",         "-display",
                                        "-style",           "-stylesheet",
                                        "-qwindowgeometry", "-qwindowtitle",
                                        "-qwindowicon",     "-reverse",
                                        "-widgetcount",     "-name",
                                        "-title",           "-visual",
                                        "-geometry",        "-nograb",
                                        "-dograb",          "-sync",
                                        "-qmljsdebugger" };
    if (arguments.isEmpty())
        return false;
    // Qt takes its options with one dash or two, and a value after a blank or an equals sign.
    QString first = arguments.first().section(u'=', 0, 0);
    if (first.startsWith(QStringLiteral("--")))
        first.remove(0, 1);
    return !qtOptions.contains(first);
}

int runCommandLine(const QByteArrayList &arguments, const Context &context)
{
    QStringList texts;
    for (const QByteArray &argument : arguments) {
        texts.append(QFile::decodeName(argument));
        if (QFile::encodeName(texts.last()) != argument) {
            printProblems(context.err,
                          { { shownFileName(argument),
                              QStringLiteral("is not valid UTF-8 (the bytes that are not are written "
                                             "\\xNN here); Brevora takes its arguments in UTF-8 only, "
                                             "so that it never takes one file's name for another's"),
                              QStringLiteral("give it in UTF-8, and rename a file whose name is not") } });
            return Problems;
        }
    }
    return runCommandLine(texts, context);
}

int runCommandLine(const QStringList &arguments, const Context &context)
{
    const Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({ o.programDir, o.list, o.check, o.add, o.remove, o.kind, o.missed, o.json, o.text, o.sound,
                        o.force, o.replace, o.exportIcs, o.importIcs, o.dryRun, o.help, o.version });
    parser.addPositionalArgument("fields", "With --add: when the alarm falls due. With --delete: the name.",
                                 "[fields...]");
    if (!parser.parse(QStringList{ QStringLiteral("brevora") } + arguments))
        return usage(context, parser.errorText());
    if (parser.isSet(o.help)) {
        context.out << parser.helpText();
        context.out.flush();
        return Success;
    }
    if (parser.isSet(o.version)) {
        context.out << "brevora " << QCoreApplication::applicationVersion() << '\n';
        context.out.flush();
        return Success;
    }
    const int commands = int(parser.isSet(o.list)) + int(parser.isSet(o.check)) + int(parser.isSet(o.add))
        + int(parser.isSet(o.remove)) + int(parser.isSet(o.exportIcs)) + int(parser.isSet(o.importIcs));
    if (commands != 1)
        return usage(context,
                     QStringLiteral("give exactly one of --list, --check, --add, --delete, --export-ics and "
                                    "--import-ics"));
    QString misplaced;
    if (!parser.isSet(o.importIcs) && parser.isSet(o.dryRun))
        misplaced = QStringLiteral("--dry-run");
    else if (parser.isSet(o.exportIcs))
        misplaced = stray(parser, { &o.kind, &o.missed, &o.json, &o.text, &o.sound, &o.force, &o.replace });
    else if (parser.isSet(o.importIcs))
        misplaced = stray(parser, { &o.kind, &o.missed, &o.json, &o.text, &o.sound, &o.replace });
    else if (parser.isSet(o.list))
        misplaced = stray(parser, { &o.text, &o.sound, &o.force, &o.replace });
    else if (parser.isSet(o.check))
        misplaced = stray(parser, { &o.kind, &o.missed, &o.text, &o.sound, &o.force, &o.replace });
    else if (parser.isSet(o.remove))
        misplaced = stray(parser, { &o.kind, &o.missed, &o.json, &o.text, &o.sound, &o.force, &o.replace });
    else
        misplaced = stray(parser, { &o.kind, &o.missed, &o.json });
    if (!misplaced.isEmpty())
        return usage(context, misplaced + QStringLiteral(" does not go with this command"));
    if (!parser.isSet(o.add) && !parser.isSet(o.remove) && !parser.isSet(o.exportIcs)
        && !parser.positionalArguments().isEmpty())
        return usage(context, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    const QString dir = parser.isSet(o.programDir) ? parser.value(o.programDir) : context.defaultProgramDir();
    const StoreLayout layout(QDir(dir).absolutePath());
    // Only --add or --import-ics into the default folder may make it, as the program's first start would; a folder
    // named outright that is not there is a typing error, and writing an alarm there would hide it from the program.
    const bool writesAlarms = parser.isSet(o.add) || parser.isSet(o.importIcs);
    if ((!writesAlarms || parser.isSet(o.programDir)) && !QFileInfo(layout.programDir()).isDir()) {
        printProblems(context.err, { { layout.programDir(), QStringLiteral("there is no such folder"), {} } });
        return Problems;
    }
    if (parser.isSet(o.list))
        return list(context, parser, o, layout);
    if (parser.isSet(o.check))
        return check(context, layout, parser.isSet(o.json));
    if (parser.isSet(o.remove))
        return deleteAlarm(context, parser, o, layout);
    if (parser.isSet(o.exportIcs))
        return exportIcs(context, parser, layout);
    if (parser.isSet(o.importIcs))
        return importIcs(context, parser, o, layout);
    return add(context, parser, o, layout);
}

} // namespace brevora::cli
