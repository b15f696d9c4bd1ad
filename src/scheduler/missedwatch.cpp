// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/missedwatch.h"

#include "core/settings/lastrunning.h"
#include "os/clock/clock.h"

#include <limits>

namespace brevora {

MissedWatch::MissedWatch(const StoreLayout &layout, QStringList stateFiles, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_layout(layout)
    , m_stateFiles(std::move(stateFiles))
    , m_clock(clock)
{ }

MissedWatch::~MissedWatch()
{
    if (m_handled)
        noteWatching(true);
}

void MissedWatch::checkAtStart()
{
    m_written = readLastRunning(m_stateFiles);
    m_handled = m_written;
    const QDateTime now = m_clock.now().toUTC();
    // A kept moment ahead of the clock (a clock that was ahead once, or is behind now) would hide every miss until
    // the clock catches up with it: from now on is what counts, and is written so.
    if (m_written && *m_written > now) {
        m_written.reset();
        m_handled = now;
    }
    // Without a record nobody knows what was told before: passed one-time alarms are told once, since the record
    // is written right after.
    check({ m_handled, now, !m_handled });
}

void MissedWatch::checkAfterJump()
{
    check({ m_handled, m_clock.now(), false });
}

void MissedWatch::noteWatching(bool keepIt)
{
    // Held in UTC: a local time is a wall time, which a change of time zone would move to another instant.
    const QDateTime now = m_clock.now().toUTC();
    if (!m_handled || *m_handled < now)
        m_handled = now;
    if (keepIt)
        keep();
}

void MissedWatch::keep()
{
    // The minute of the kept moment is never reported, so a later moment in the same minute changes nothing.
    const auto minute = [](const QDateTime &moment) { return moment.toSecsSinceEpoch() / 60; };
    if (!m_handled || (m_written && minute(*m_written) >= minute(*m_handled)))
        return;
    qsizetype failed = 0;
    while (failed < m_stateFiles.size() && !writeLastRunning(m_stateFiles[failed], *m_handled))
        ++failed;
    if (failed < m_stateFiles.size())
        m_written = m_handled;
    // Each new way it went wrong is said once, with the file and what follows from it.
    if (failed == 0 || failed <= m_saidFor)
        return;
    m_saidFor = failed;
    if (failed < m_stateFiles.size())
        qWarning("Brevora cannot write %s, so it keeps the moment up to which it handled its alarms in %s.",
                 qPrintable(m_stateFiles.first()), qPrintable(m_stateFiles[failed]));
    else
        qWarning("Brevora cannot write %s: the next start will report again the alarms it reported as missed "
                 "since the moment that file holds, or every passed one-time alarm if it holds none.",
                 qPrintable(m_stateFiles.join(QStringLiteral(" nor "))));
}

void MissedWatch::check(const UnwatchedTime &time)
{
    MissedAlarms missed = findMissedAlarms(m_layout, time, std::numeric_limits<qsizetype>::max());
    // Written before anything is shown: the same minutes are never reported twice, and a clock set back is counted
    // from now on.
    noteWatching(true);
    if (missed.total > 0)
        emit found(missed);
}

} // namespace brevora
