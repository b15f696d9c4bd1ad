// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/storescan.h"

#include <QDateTime>

#include <optional>

// What keeps a stored alarm from being shown, in the words the store's check uses: the command line's --check
// tells them of every file, and a calendar export of the alarms it leaves out.
namespace brevora {

// A name the clock never writes, told about a file in the store with what to do about it; empty when the
// alarm falls due.
std::optional<Problem> nameProblem(AlarmKind kind, const QString &path, const QString &fileName, const QDateTime &now);

// An alarm that a twin in another letter case, or the same alarm active, keeps from being shown.
Problem twinProblem(const StoredAlarm &hidden, const StoredAlarm &found, bool certain);

// What keeps a file's contents from being read as its kind's alarm, or disagrees with its name.
void checkContent(const StoredAlarm &alarm, const AlarmContent &content, const ProblemSink &report);

} // namespace brevora
