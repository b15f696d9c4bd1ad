// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace brevora {

class StoreLayout;

// What happens to alarm files after they were made: a notice answered, the delete commands. (The return of
// set-aside alarms is pastreturn.h.)

// The answer to a notice: a one-time alarm's file is deleted, a recurring one's set aside in its past folder.
// False, with `reason`, when the file could be neither.
bool acknowledgeAlarm(const StoreLayout &layout, AlarmKind kind, const QString &path, QString &reason);

// Deletes one file, also a read-only one; the store's forced delete unless a test puts another.
using Remover = std::function<bool(const QString &path)>;

struct RemovalOutcome
{
    int deleted = 0;
    // Files that were listed but are still there, each tried once; and linked folders that were left.
    QStringList notDeleted;
};

// Whether `folder` is one of the store's active or past folders (through links and letter case).
bool isStoreFolder(const StoreLayout &layout, const QString &folder);

// Whether `name` names a file inside a folder, not the folder itself, its parent or a path.
bool isPlainName(const QString &name);

// One listed alarm. A file that is gone meanwhile (a notice removed it) counts as neither.
void removeAlarmFile(const QString &path, const Remover &remove, RemovalOutcome &outcome);

// Every alarm of the kind, waiting and set aside.
void removeKind(const StoreLayout &layout, AlarmKind kind, const Remover &remove, RemovalOutcome &outcome);

// Every file of every kind's folders.
void removeAll(const StoreLayout &layout, const Remover &remove, RemovalOutcome &outcome);

} // namespace brevora
