// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/store/storescan.h"
#include "core/store/storetwins.h"

#include <QDateTime>

namespace brevora::cli {

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
