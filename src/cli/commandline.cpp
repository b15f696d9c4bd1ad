// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/commands/addalarm.h"
#include "cli/commands/checkstore.h"
#include "cli/commands/checksystem.h"
#include "cli/commands/listing.h"
#include "os/clock/clock.h"
#include "os/probe/systemprobe.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

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
    QCommandLineOption json{ "json", "With --list or --check: write JSON to the standard output." };
    QCommandLineOption text{ "text", "With --add: the alarm's text.", "text" };
    QCommandLineOption sound{ "sound", "With --add: the sound file to play.", "file" };
    QCommandLineOption force{ "force", "With --add: replace an alarm of the same kind and moment." };
    QCommandLineOption help{ { "h", "help" }, "Show this help." };
    QCommandLineOption version{ { "v", "version" }, "Show the version." };
};

const char *const description
    = "Lists, checks and adds Brevora's alarms without opening a window.\n\n"
      "Fields of --add: once DAY-MONTH-YEAR HOUR:MINUTE, daily HOUR:MINUTE, weekly WEEKDAY HOUR:MINUTE,\n"
      "monthly DAY HOUR:MINUTE, yearly DAY-MONTH HOUR:MINUTE. Example:\n"
      "  brevora --add once 3-2-2030 14:00 --text Dentist\n\n"
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

int list(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    QList<AlarmKind> kinds(allKinds.begin(), allKinds.end());
    if (parser.isSet(o.kind)) {
        const auto kind = kindFromWord(parser.value(o.kind));
        if (!kind)
            return usage(context, QStringLiteral("--kind takes %1").arg(kindWords));
        kinds = { *kind };
    }
    const QList<ListedAlarm> alarms = listAlarms(scanStore(layout, kinds), context.clock.now());
    if (parser.isSet(o.json)) {
        context.out << listingJson(alarms);
        context.out.flush();
    } else {
        printListing(context.out, alarms);
    }
    return Success;
}

int check(const Context &context, const StoreLayout &layout, bool json)
{
    QStringList others;
    const QList<StoredAlarm> alarms = scanStore(layout, QList<AlarmKind>(allKinds.begin(), allKinds.end()), &others);
    QList<Problem> problems = checkStore(layout, alarms, others, context.clock.now());
    problems += checkSystem(layout, alarms, context.probe);
    if (json) {
        context.out << problemsJson(problems);
        context.out.flush();
    } else {
        printProblems(context.err, problems);
    }
    return problems.isEmpty() ? Success : Problems;
}

int add(const Context &context, const QCommandLineParser &parser, const Options &o, const StoreLayout &layout)
{
    const auto kind = kindFromWord(parser.value(o.add));
    if (!kind)
        return usage(context, QStringLiteral("--add takes %1").arg(kindWords));
    if (!parser.isSet(o.text))
        return usage(context, QStringLiteral("--add needs --text"));
    AddRequest request{ *kind, parser.positionalArguments(), parser.value(o.text), std::nullopt,
                        parser.isSet(o.force) };
    if (parser.isSet(o.sound))
        request.sound = parser.value(o.sound);
    const AddOutcome outcome = addAlarm(layout, request, context.clock.now(), context.probe);
    if (outcome.status == AddOutcome::Status::Usage)
        return usage(context, QStringLiteral("--add %1 takes %2").arg(kindWord(*kind), addSyntax(*kind)));
    printProblems(context.err, outcome.messages);
    if (outcome.status == AddOutcome::Status::Added) {
        context.out << QDir::toNativeSeparators(outcome.path) << '\n';
        context.out.flush();
    }
    return outcome.status == AddOutcome::Status::Added ? Success : Problems;
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

int runCommandLine(const QStringList &arguments, const Context &context)
{
    const Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(
        { o.programDir, o.list, o.check, o.add, o.kind, o.json, o.text, o.sound, o.force, o.help, o.version });
    parser.addPositionalArgument("fields", "With --add: when the alarm falls due.", "[fields...]");
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
    const int commands = int(parser.isSet(o.list)) + int(parser.isSet(o.check)) + int(parser.isSet(o.add));
    if (commands != 1)
        return usage(context, QStringLiteral("give exactly one of --list, --check and --add"));
    QString misplaced;
    if (parser.isSet(o.list))
        misplaced = stray(parser, { &o.text, &o.sound, &o.force });
    else if (parser.isSet(o.check))
        misplaced = stray(parser, { &o.kind, &o.text, &o.sound, &o.force });
    else
        misplaced = stray(parser, { &o.kind, &o.json });
    if (!misplaced.isEmpty())
        return usage(context, misplaced + QStringLiteral(" does not go with this command"));
    if (!parser.isSet(o.add) && !parser.positionalArguments().isEmpty())
        return usage(context, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    const QString dir = parser.isSet(o.programDir) ? parser.value(o.programDir) : context.defaultProgramDir();
    const StoreLayout layout(QDir(dir).absolutePath());
    if (!parser.isSet(o.add) && !QFileInfo(layout.programDir()).isDir()) {
        printProblems(context.err, { { layout.programDir(), QStringLiteral("there is no such folder"), {} } });
        return Problems;
    }
    if (parser.isSet(o.list))
        return list(context, parser, o, layout);
    if (parser.isSet(o.check))
        return check(context, layout, parser.isSet(o.json));
    return add(context, parser, o, layout);
}

} // namespace brevora::cli
