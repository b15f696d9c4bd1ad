// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"
#include "core/store/storelayout.h"

#include <QList>

#include <functional>
#include <optional>

namespace brevora {

// One thing that keeps an alarm from being shown or heard, and what to do about it.
struct Problem
{
    QString path;
    QString problem;
    QString advice;
};

using ProblemSink = std::function<void(const Problem &)>;

// Where one file of the store is, as a walk of the store sees it. A store holds tens of thousands of files, so
// what a command keeps of each is this much and no more; the contents are read as they are needed.
struct StoredAlarm
{
    AlarmKind kind;
    QString folder;
    QString fileName;
    bool waiting = false; // in the kind's folder of acknowledged alarms

    QString path() const { return folder + u'/' + fileName; }
};

// What one file holds, read once.
struct AlarmContent
{
    std::optional<AlarmRecord> record; // empty when the file cannot be read as an alarm of its kind
    std::optional<QByteArray> line; // the file's first line; empty when the file cannot be opened or is too long
};

AlarmContent readContent(const StoredAlarm &alarm);

// What the store holds, told as each folder is read, so nothing of it needs to be kept.
struct StoreVisitor
{
    // Every ".alm" file (letter case ignored) of the active folders and the folders of acknowledged alarms.
    std::function<void(const StoredAlarm &, const AlarmContent &)> alarm;
    // The other files of the active folders; may be empty.
    std::function<void(const QString &path)> other;
    // A kind's folder that is not a folder or cannot be read.
    std::function<void(const Problem &)> problem;
    // An entry named like an alarm that is no file (a pipe, a folder, a link loop), and any entry whose name is not
    // valid UTF-8 (which is never read, as its name spelt as text would be another file's); may be empty.
    std::function<void(const Problem &)> oddEntry;
};

// A name as the system gives it, in bytes, for people to read: each byte that is not part of valid UTF-8 written
// as \xNN. Such a name cannot be named back through a QString, which would spell it as another file's name.
QString shownFileName(const QByteArray &bytes);

// The names of the folder's regular files, in the order twins.h gives twins; a folder that is not one or cannot be
// read is told to `problem`. An absent folder holds nothing.
QStringList storeFolderNames(const QString &folder, const std::function<void(const Problem &)> &problem);

void visitStore(const StoreLayout &layout, const QList<AlarmKind> &kinds, const StoreVisitor &visitor);

} // namespace brevora
