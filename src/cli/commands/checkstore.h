// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/store/storescan.h"
#include "core/store/storetwins.h"

#include <QDateTime>

namespace brevora::cli {

// A name the clock never writes, told about a file in the store with what to do about it; empty when the
// alarm falls due.
std::optional<Problem> nameProblem(AlarmKind kind, const QString &path, const QString &fileName, const QDateTime &now);

// An alarm that a twin in another letter case, or the same alarm active, keeps from being shown.
Problem twinProblem(const StoredAlarm &hidden, const StoredAlarm &found, bool certain);

// What keeps a file's contents from being read as its kind's alarm, or disagrees with its name.
void checkContent(const StoredAlarm &alarm, const AlarmContent &content, const ProblemSink &report);

// Everything in the store itself that keeps an alarm from being shown: unreadable files, names the clock never
// writes, contents that disagree with the name, moments that have passed, names that differ only in letter
// case, stray files in the active folders and settings files that are not exactly one of the two values. Told
// each file as the store is read, so nothing but the names is kept.
class StoreCheck
{
public:
    StoreCheck(const QDateTime &now, ProblemSink report)
        : m_now(now)
        , m_report(std::move(report))
        , m_twins(now)
    { }

    void alarm(const StoredAlarm &alarm, const AlarmContent &content);
    void other(const QString &path);
    // What only the whole store shows (names that differ only in letter case), and the settings files.
    void finish(const StoreLayout &layout);

private:
    QDateTime m_now;
    ProblemSink m_report;
    LetterCaseTwins m_twins;
};

} // namespace brevora::cli
