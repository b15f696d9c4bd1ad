// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler/missed.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace brevora {

class Clock;
class StoreLayout;

// Keeps the moment up to which alarms were handled, and finds what fell due while the program was not watching:
// at start-up, and after the clock was set forward or the machine woke. The moment is kept in memory at every
// check, and in the state file only when something happens (a start, an alarm handed over, a folder change, the
// exit), so an idle program writes nothing. Between two writes no alarm was handed over, so after a crash the next
// start finds exactly the occurrences nobody saw. While the program runs the moment only moves forward: minutes
// passed once are not found again after the clock was set back and forward; a kept moment ahead of the clock at a
// start is taken as the start's moment. What was found is written down before anyone is told of it.
class MissedWatch : public QObject
{
    Q_OBJECT
public:
    // `stateFiles`: where the moment is kept, the first choice first; a later one takes it when an earlier one
    // cannot be written, and a start reads the latest of them.
    MissedWatch(const StoreLayout &layout, QStringList stateFiles, const Clock &clock, QObject *parent = nullptr);
    // At the exit the moment is kept; a watch that never started knows nothing to keep.
    ~MissedWatch() override;

    // The alarms of the minutes since the kept moment; with none kept, every passed one-time alarm.
    void checkAtStart();
    // The alarms of the minutes since the program last watched.
    void checkAfterJump();
    // The program has watched the clock up to now; `keep` writes that down if it is a later minute.
    void noteWatching(bool keep = false);

signals:
    // Alarms fell due unwatched; the moment after them is already kept. Every occurrence found, in moment order.
    void found(const brevora::MissedAlarms &missed);

private:
    void check(const UnwatchedTime &time);
    void keep();

    const StoreLayout &m_layout;
    QStringList m_stateFiles;
    const Clock &m_clock;
    std::optional<QDateTime> m_handled; // alarms were handled up to here
    std::optional<QDateTime> m_written; // the latest moment the state files hold
    qsizetype m_saidFor = 0; // how many of the state files the program said it cannot write
};

} // namespace brevora
