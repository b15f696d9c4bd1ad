// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storescan.h"

#include "core/names/alarmname.h"
#include "core/names/twins.h"
#include "os/files/regularfile.h"

#include <QFile>

#include <algorithm>
#include <filesystem>

namespace brevora {

namespace fs = std::filesystem;

namespace {

// The line the program's reader takes: up to the first line end, and nothing from a file whose first line is
// longer than the reader accepts. Read here once, as the check also counts the fields beyond the kind's.
std::optional<QByteArray> firstLine(const QString &path)
{
    // The entry was a regular file when listed, but may have been replaced by a pipe since: read without blocking.
    const std::optional<QByteArray> read = readRegularFile(path, maxAlarmLineBytes + 1);
    if (!read)
        return std::nullopt;
    QByteArray head = *read;
    qsizetype end = head.size();
    for (char stop : { '\n', '\r' }) {
        if (const qsizetype at = head.indexOf(stop); at >= 0 && at < end)
            end = at;
    }
    if (end > maxAlarmLineBytes)
        return std::nullopt;
    // A copy of its own: the buffer read into has room for the longest line, which a store of short lines
    // would otherwise hold once per file.
    return QByteArray(head.constData(), end);
}

// What an entry that is not a regular file is, in words; a link is judged by what it leads to.
QString entryKind(const fs::directory_entry &entry)
{
    std::error_code error;
    const fs::file_type type = entry.status(error).type();
    if (error == std::errc::too_many_symbolic_link_levels)
        return QStringLiteral("a link that leads round in a loop");
    switch (type) {
    case fs::file_type::not_found:
        return QStringLiteral("a link to something that does not exist");
    case fs::file_type::directory:
        return QStringLiteral("a folder");
    case fs::file_type::fifo:
        return QStringLiteral("a pipe");
    case fs::file_type::block:
    case fs::file_type::character:
        return QStringLiteral("a device");
    case fs::file_type::socket:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("not a file");
    }
}

QString systemMessage(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message()).toLower();
}

// The names of the folder's regular files (through links). The listing takes each entry's type from the folder
// itself, with no call per file; anything else named like an alarm is reported, as the program would never
// show it. An absent folder holds nothing.
QStringList fileNames(const QString &folder, const StoreVisitor &visitor)
{
    QStringList names;
    const fs::path path(QFile::encodeName(folder).toStdString());
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found && error != std::errc::not_a_directory)
        return names;
    if (!error && status.type() != fs::file_type::directory) {
        visitor.problem({ folder, QStringLiteral("is not a folder, so the alarms that belong there are never shown"),
                          QStringLiteral("move it away; Brevora makes the folder again at its next start") });
        return names;
    }
    fs::directory_iterator it(path, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const QByteArray bytes = QByteArray::fromStdString(it->path().filename().string());
        const QString name = QFile::decodeName(bytes);
        std::error_code typeError;
        if (QFile::encodeName(name) != bytes) {
            if (visitor.oddEntry)
                visitor.oddEntry(
                    { folder + u'/' + shownFileName(bytes),
                      QStringLiteral("its name is not valid UTF-8 (the bytes that are not are written \\xNN), "
                                     "so it is never shown"),
                      QStringLiteral("rename it, or move it out of the alarm folders") });
        } else if (it->is_regular_file(typeError)) {
            names.append(name);
        } else if (visitor.oddEntry && hasAlarmExtension(name)) {
            visitor.oddEntry({ folder + u'/' + name,
                               QStringLiteral("is %1, not a file, so it is never shown").arg(entryKind(*it)),
                               QStringLiteral("move it out of the alarm folders") });
        }
    }
    if (error)
        visitor.problem(
            { folder,
              QStringLiteral("the folder cannot be read (%1), so its alarms are never shown").arg(systemMessage(error)),
              QStringLiteral("check the folder's permissions") });
    std::sort(names.begin(), names.end(), twinOrder);
    return names;
}

void visitFolder(const QString &folder, AlarmKind kind, bool waiting, const StoreVisitor &visitor)
{
    if (folder.isEmpty())
        return;
    for (const QString &name : fileNames(folder, visitor)) {
        if (!hasAlarmExtension(name)) {
            if (visitor.other && !waiting)
                visitor.other(folder + u'/' + name);
            continue;
        }
        const StoredAlarm alarm{ kind, folder, name, waiting };
        visitor.alarm(alarm, readContent(alarm));
    }
}

} // namespace

QString shownFileName(const QByteArray &bytes)
{
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        // The longest piece a UTF-8 character takes that reads back as the same bytes is a character.
        qsizetype length = 4;
        for (; length > 0; --length) {
            const QByteArray piece = bytes.mid(at, length);
            if (piece.size() == length && QString::fromUtf8(piece).toUtf8() == piece)
                break;
        }
        if (length > 0) {
            shown += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        } else {
            shown += QStringLiteral("\\x%1").arg(uchar(bytes[at]), 2, 16, QLatin1Char('0'));
            ++at;
        }
    }
    return shown;
}

QStringList storeFolderNames(const QString &folder, const std::function<void(const Problem &)> &problem)
{
    StoreVisitor visitor;
    visitor.problem = problem;
    return fileNames(folder, visitor);
}

AlarmContent readContent(const StoredAlarm &alarm)
{
    AlarmContent content{ std::nullopt, firstLine(alarm.path()) };
    if (content.line) {
        if (auto fields = parseAlarmLine(*content.line, kindInfo(alarm.kind).fieldCount()))
            content.record = AlarmRecord{ *fields };
    }
    return content;
}

void visitStore(const StoreLayout &layout, const QList<AlarmKind> &kinds, const StoreVisitor &visitor)
{
    for (AlarmKind kind : kinds) {
        visitFolder(layout.activeFolder(kind), kind, false, visitor);
        visitFolder(layout.pastFolder(kind), kind, true, visitor);
    }
}

} // namespace brevora
