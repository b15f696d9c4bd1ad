// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/logonstart.h"

#include "os/files/regularfile.h"
#include "os/session/desktopentryfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace brevora {

namespace {

// The file name of the program's menu entry, which docks and session managers match the entry against.
const QString entryName = QStringLiteral(BREVORA_APP_ID ".desktop");

const QString entryComment = QStringLiteral("Starts the Brevora alarms when you log on");

// The system's error number where the failing call left one, else Qt's own code for the failure.
int failureCode(const QFileDevice &file, int savedErrno)
{
    return savedErrno != 0 ? savedErrno : static_cast<int>(file.error());
}

// A quoted argument of an Exec line: inside double quotes only these four characters need a backslash, and a
// literal percent sign is doubled so that it is not taken for a field code.
QString quoteArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

// The escapes of a string value, applied after the quoting of the arguments.
QString escapeValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray entryText(const QString &executable, bool on)
{
    // TryExec is a plain string rather than an Exec line: only the string escapes apply.
    const QString enabled = on ? QStringLiteral("true") : QStringLiteral("false");
    const QString hidden = on ? QStringLiteral("false") : QStringLiteral("true");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Brevora\n"
                          "Comment=%5\n"
                          "Comment[de]=Startet die Brevora-Alarme bei der Anmeldung\n"
                          "Comment[es]=Inicia los avisos de Brevora al iniciar la sesión\n"
                          "Exec=%1\n"
                          "TryExec=%2\n"
                          "Icon=" BREVORA_APP_ID "\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=%3\n"
                          "Hidden=%4\n")
        .arg(DesktopAutostart::execLine({ executable }), escapeValue(executable), enabled, hidden, entryComment)
        .toUtf8();
}

// An entry proves itself ours only by running this program and carrying a value that only this program writes
// there: a file name alone is no proof, since a copy renamed after another program would take that program's.
bool isOurs(const QString &path, const QString &program)
{
    const std::optional<QByteArray> text = readRegularFile(path, 1 << 16);
    if (!text)
        return false;
    const QString runs = QFileInfo(execProgram(desktopEntryValue(*text, "Exec"))).fileName();
    return !runs.isEmpty() && runs == QFileInfo(program).fileName()
        && (desktopEntryValue(*text, "Name") == u"Brevora" || desktopEntryValue(*text, "Comment") == entryComment
            || desktopEntryValue(*text, "Icon") == u"" BREVORA_APP_ID);
}

// Whether the entry starts the program at all: neither hidden nor switched off by the desktop's own key.
bool switchedOn(const QByteArray &entry)
{
    return desktopEntryValue(entry, "Hidden").compare(u"true", Qt::CaseInsensitive) != 0
        && desktopEntryValue(entry, "X-GNOME-Autostart-enabled").compare(u"false", Qt::CaseInsensitive) != 0;
}

} // namespace

DesktopAutostart::DesktopAutostart(QString executablePath)
    : m_executablePath(std::move(executablePath))
{ }

QString DesktopAutostart::autostartFolder()
{
    // Relative values are invalid and to be ignored, like an unset variable.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base) + QStringLiteral("/autostart");
}

QString DesktopAutostart::executable() const
{
    return m_executablePath.isEmpty() ? QCoreApplication::applicationFilePath() : m_executablePath;
}

QString DesktopAutostart::entryPath() const
{
    return autostartFolder() + u'/' + entryName;
}

QStringList DesktopAutostart::earlierEntryPaths() const
{
    // Earlier versions named the entry after the executable, and before that after the title.
    QStringList paths;
    for (const QString &name :
         { QFileInfo(executable()).completeBaseName(), QStringLiteral("brevora"), QStringLiteral("Brevora") }) {
        const QString path = autostartFolder() + u'/' + name + QStringLiteral(".desktop");
        if (!name.isEmpty() && path != entryPath() && !paths.contains(path) && isOurs(path, executable()))
            paths.append(path);
    }
    return paths;
}

std::optional<bool> DesktopAutostart::registered() const
{
    const std::optional<QByteArray> text = readRegularFile(entryPath(), 1 << 16);
    if (!text)
        return QFileInfo::exists(entryPath()) ? std::nullopt : std::optional<bool>(false);
    return switchedOn(*text);
}

bool DesktopAutostart::heldByAnotherCopy() const
{
    const std::optional<QByteArray> text = readRegularFile(entryPath(), 1 << 16);
    if (!text || !switchedOn(*text))
        return false;
    const QFileInfo runs(execProgram(desktopEntryValue(*text, "Exec")));
    const QFileInfo self(executable());
    // A copy since removed starts nothing: its entry is free for this one.
    return runs.isAbsolute() && runs.isFile() && runs.isExecutable()
        && runs.canonicalFilePath() != self.canonicalFilePath();
}

QString DesktopAutostart::execLine(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted.append(quoteArgument(argument));
    return escapeValue(quoted.join(u' '));
}

LogonOutcome DesktopAutostart::set(bool on)
{
    const QString program = executable();
    if (program.isEmpty() || QFileInfo(program).completeBaseName().isEmpty())
        return { LogonOutcome::Step::OtherFailed, 0, QStringLiteral("The program's own file could not be found.") };

    const QString folder = autostartFolder();
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    if (error)
        return { LogonOutcome::Step::OpenFailed, error.value(), {} };

    QSaveFile file(entryPath());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return { LogonOutcome::Step::SetFailed, failureCode(file, errno), {} };
    file.write(entryText(program, on));
    errno = 0;
    if (!file.commit())
        return { LogonOutcome::Step::SetFailed, failureCode(file, errno), {} };
    // Only once the new entry is in place: a failed write leaves the old registration working.
    for (const QString &earlier : earlierEntryPaths())
        QFile::remove(earlier);
    return {};
}

#ifndef Q_OS_WIN
std::unique_ptr<LogonStart> createSystemLogonStart()
{
    return std::make_unique<DesktopAutostart>();
}
#endif

} // namespace brevora
