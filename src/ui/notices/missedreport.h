// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler/missed.h"

#include <QObject>
#include <QString>

namespace brevora {

class Clock;
class DesktopNotifier;
class Prompter;
class StoreLayout;

// Tells the user, once, of the alarms that fell due while the program was not watching: at start-up, and after
// the clock was set forward or the machine woke. One desktop notification lists them; where no notification
// server takes it, a message box shows the same list. Nothing missed, nothing said. It also keeps the moment up
// to which alarms were handled, which the next report counts from: in memory at every check, in the state file
// only when something happens (a start, an alarm handed over, a folder change, the exit), so an idle program
// writes nothing. Between two writes no alarm was handed over, so after a crash the next start reports exactly
// the occurrences nobody saw. The moment only moves forward: minutes passed once are not reported again after
// the clock was set back and forward.
class MissedAlarmReport : public QObject
{
    Q_OBJECT
public:
    // The lines a report lists before "and N more".
    static constexpr qsizetype listedLines = 10;

    // `stateFiles`: where the moment is kept, the first choice first; a later one takes it when an earlier one
    // cannot be written, and a start reads the latest of them.
    MissedAlarmReport(const StoreLayout &layout, QStringList stateFiles, const Clock &clock, DesktopNotifier &notifier,
                      Prompter &prompter, QObject *parent = nullptr);

    ~MissedAlarmReport() override;

    // The alarms of the minutes since the kept moment; with none kept, every passed one-time alarm.
    void reportAtStart();
    // The alarms of the minutes since the program last watched.
    void reportAfterJump();
    // The program has watched the clock up to now; `keep` writes that down if it is a later minute.
    void noteWatching(bool keep = false);

private:
    void report(const UnwatchedTime &time);
    void keep();
    void onDelivered(const QString &key, bool shown);

    const StoreLayout &m_layout;
    QStringList m_stateFiles;
    const Clock &m_clock;
    DesktopNotifier &m_notifier;
    Prompter &m_prompter;
    QString m_unanswered; // the list of the last post, until the desktop says whether it took it
    std::optional<QDateTime> m_handled; // alarms were handled up to here
    std::optional<QDateTime> m_written; // the latest moment the state files hold
    qsizetype m_saidFor = 0; // how many of the state files the program said it cannot write
};

// The notification's summary and body for what was found ("at most listed lines, then and N more").
QString missedSummary(const MissedAlarms &missed);
QString missedBody(const MissedAlarms &missed);

} // namespace brevora
