// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/storescan.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace brevora::cli {

namespace {

// The line the program's reader takes: up to the first line end, and nothing from a file whose first line is
// longer than the reader accepts. Read here once, as the check also counts the fields beyond the kind's. A store
// holds tens of thousands of files, so the file is read with the fewest calls to the system: unbuffered, whole.
std::optional<QByteArray> firstLine(const QString &path)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return std::nullopt;
    std::setvbuf(file, nullptr, _IONBF, 0);
    QByteArray head(maxAlarmLineBytes + 1, Qt::Uninitialized);
    head.truncate(static_cast<qsizetype>(std::fread(head.data(), 1, static_cast<std::size_t>(head.size()), file)));
    std::fclose(file);
    qsizetype end = head.size();
    for (char stop : { '\n', '\r' }) {
        if (const qsizetype at = head.indexOf(stop); at >= 0 && at < end)
            end = at;
    }
    if (end > maxAlarmLineBytes)
        return std::nullopt;
    head.truncate(end);
    return head;
}

// The names of the folder's files; the listing takes each entry's type from the folder itself, with no call
// per file.
QStringList fileNames(const QString &folder)
{
    QStringList names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(folder).toStdString(), error)) {
        std::error_code typeError;
        if (entry.is_regular_file(typeError))
            names.append(QFile::decodeName(QByteArray::fromStdString(entry.path().filename().string())));
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

void scanFolder(const QString &folder, AlarmKind kind, bool waiting, QList<StoredAlarm> &alarms, QStringList *others)
{
    if (folder.isEmpty())
        return;
    const QStringList names = fileNames(folder);
    for (const QString &name : names) {
        if (!name.endsWith(QStringLiteral(".alm"), Qt::CaseInsensitive)) {
            if (others && !waiting)
                others->append(folder + u'/' + name);
            continue;
        }
        StoredAlarm alarm{ kind, folder, name, waiting, std::nullopt, firstLine(folder + u'/' + name) };
        if (alarm.line) {
            if (auto fields = parseAlarmLine(*alarm.line, kindInfo(kind).fieldCount))
                alarm.record = AlarmRecord{ *fields };
        }
        alarms.append(std::move(alarm));
    }
}

} // namespace

QList<StoredAlarm> scanStore(const StoreLayout &layout, const QList<AlarmKind> &kinds, QStringList *others)
{
    QList<StoredAlarm> alarms;
    for (AlarmKind kind : kinds) {
        scanFolder(layout.activeFolder(kind), kind, false, alarms, others);
        scanFolder(layout.pastFolder(kind), kind, true, alarms, others);
    }
    return alarms;
}

QString kindWord(AlarmKind kind)
{
    switch (kind) {
    case AlarmKind::Once:
        return QStringLiteral("once");
    case AlarmKind::Daily:
        return QStringLiteral("daily");
    case AlarmKind::Weekly:
        return QStringLiteral("weekly");
    case AlarmKind::Monthly:
        return QStringLiteral("monthly");
    case AlarmKind::Yearly:
        return QStringLiteral("yearly");
    }
    return {};
}

std::optional<AlarmKind> kindFromWord(const QString &word)
{
    for (AlarmKind kind : allKinds) {
        if (word.compare(kindWord(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace brevora::cli
