// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"
#include "core/store/storelayout.h"

#include <QList>

#include <optional>

namespace brevora::cli {

// One file of the store as the command line sees it.
struct StoredAlarm
{
    AlarmKind kind;
    QString folder;
    QString fileName;
    bool waiting = false; // in the kind's folder of acknowledged alarms
    std::optional<AlarmRecord> record; // empty when the file cannot be read as an alarm of its kind
    std::optional<QByteArray> line; // the file's first line; empty when the file cannot be opened or is too long

    QString path() const { return folder + u'/' + fileName; }
};

// Every ".alm" file (letter case ignored) of the active folders and the folders of acknowledged alarms of the
// given kinds; `others` receives the other files of the active folders.
QList<StoredAlarm> scanStore(const StoreLayout &layout, const QList<AlarmKind> &kinds, QStringList *others = nullptr);

// The word the command line uses for a kind ("once", "daily", ...), and back.
QString kindWord(AlarmKind kind);
std::optional<AlarmKind> kindFromWord(const QString &word);

} // namespace brevora::cli
