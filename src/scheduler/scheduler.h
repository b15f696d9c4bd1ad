// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/occurrence.h"
#include "core/life/pastreturn.h"
#include "scheduler/clockdisplay.h"
#include "scheduler/nextwake.h"

#include <QObject>

#include <QHash>

#include <array>
#include <memory>
#include <optional>

class QTimer;

namespace brevora {

class Clock;
class FolderWatch;
class WallClockAlarm;
struct SharedState;

// Receives the occurrences the checks find. It is called at every check of an alarm's minute for as long as the
// alarm's file stays in its active folder, and keeps its own notices from opening twice.
class NoticeSink
{
public:
    virtual ~NoticeSink() = default;
    virtual void showDueAlarm(const Occurrence &occurrence) = 0;
};

// Finds the alarms of the current minute and returns acknowledged ones. It sleeps until something can have
// changed the answer: the next minute an alarm of the active folders falls due, a change in a folder, a clock
// that was set, a time zone changed or a machine that slept. The clock texts tick each second only while
// someone shows them; the return timer runs only while acknowledged alarms wait to come back.
class Scheduler : public QObject
{
    Q_OBJECT
public:
    struct Intervals
    {
        int returnMs = pastReturnSeconds * 1000;
    };

    Scheduler(SharedState &state, const Clock &clock, QObject *parent = nullptr);
    Scheduler(SharedState &state, const Clock &clock, Intervals intervals, QObject *parent = nullptr);
    ~Scheduler() override;

    void setNoticeSink(NoticeSink *sink) { m_sink = sink; }
    // Starts the checks: the first one on the next turn of the event loop, then at each wake-up.
    void start();
    bool isStarted() const { return m_started; }

    // Checks every kind, or one, for an alarm of the current minute. Returns how many were due.
    int checkAll();
    bool checkKind(AlarmKind kind);
    // Something in `folder` changed: an active folder's kind is checked again with a fresh look at the folder and
    // the next wake-up worked out anew; a set-aside folder that now holds alarms starts the return.
    void noteFolderChanged(const QString &folder);
    // One tick of the return timer.
    PastReturnReport returnPastAlarms();
    // After a start or a jump of the clock: every set-aside alarm but those of the current minute, which
    // would fire a second time within it.
    PastReturnReport returnPastAlarmsNotDueNow();
    // The computer has resumed from a sleep the system announced: handled at once as the jump it is.
    void noteResumed();
    // An acknowledgement of a recurring alarm: the next return is a full interval away.
    void restartReturnCount();

    // Whether an alarm of the active folders falls due again, or one waits to come back: what a program that
    // ends now would leave unrung.
    bool alarmsWait() const { return m_nextDue.has_value() || somethingWaits(); }

    // The clock texts tick while shown, and are brought up to date the moment they are shown again.
    void setClockShown(bool shown);
    void updateClock();

    QTimer *clockTimer() const { return m_clockTimer; }
    QTimer *returnTimer() const { return m_returnTimer; }
    WallClockAlarm &minuteAlarm() const { return *m_minuteAlarm; }
    FolderWatch &folderWatch() const { return *m_watch; }
    const ClockTexts &clock() const { return m_clockTexts; }
    // The clock every check asks, for whatever else tells the time beside the checks.
    const Clock &timeSource() const { return m_clock; }
    // The moments a sleeping machine must be woken at for the alarms: the next one an alarm falls due, if any.
    QList<QDateTime> wakeMoments() const;

signals:
    void clockChanged(const brevora::ClockTexts &texts);
    // The next due moment changed: what a sleeping machine must be woken at is wakeMoments() now.
    void wakeMomentsChanged();
    void alarmsReturned(const brevora::PastReturnReport &report);
    // The checks ran at the clock's present moment, so every minute before it was watched. `keep` when
    // something happened that a crash must not undo (an alarm was handed over, a folder changed); a wake-up
    // with nothing due is not worth a write.
    void watchedUpToNow(bool keep);
    // The clock was set or the machine woke, or a wake-up came later than armed for (a stopped process, a
    // resume the system did not announce): the minutes in between went by unwatched. Said before the checks of
    // the new minute run, so that what they show is not among what is reported.
    void clockJumped();

private:
    QString dueFile(AlarmKind kind);
    const FoldedNames &names(AlarmKind kind);
    void armNextWake();
    void onMinute();
    bool somethingWaits(const PastReturnReport &report = {}) const;
    void onClockJumped();
    void lookForReplacedFolders();
    void scheduleClockTick();
    PastReturnReport returnPastAlarmsExcept(const PastReturnFilter &keep);

    SharedState &m_state;
    const Clock &m_clock;
    Intervals m_intervals;
    NoticeSink *m_sink = nullptr;
    std::unique_ptr<WallClockAlarm> m_minuteAlarm;
    FolderWatch *m_watch;
    QTimer *m_clockTimer;
    QTimer *m_returnTimer;
    ClockTexts m_clockTexts;
    QDateTime m_armedFor; // the due moment the wake-up is armed for
    std::optional<QDateTime> m_nextDue; // the same, empty when nothing is ever due
    NextWake m_nextWake;
    // Each active folder's file names by case-folded name, dropped when the folder changes.
    std::array<std::optional<QHash<QString, QString>>, 5> m_names;
    std::array<QString, 5> m_dueFiles; // each kind's file of the current minute, watched for rewrites
    bool m_started = false;
    bool m_clockShown = false;
    bool m_lookingForReplacedFolders = false; // the checks that follow read the folders anyway
};

} // namespace brevora
