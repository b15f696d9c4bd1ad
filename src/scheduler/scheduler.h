#pragma once

#include "clockdisplay.h"
#include "duecheck.h"
#include "pastreturn.h"

#include <QObject>

#include <array>
#include <memory>

class QTimer;

namespace brevora {

class Clock;
struct SharedState;

// Receives the alarms the checks find. It is called on every tick of an alarm's minute for as long as the
// alarm's file stays in its active folder, and keeps its own notices from opening twice.
class NoticeSink
{
public:
    virtual ~NoticeSink() = default;
    virtual void showDueAlarm(const DueAlarm &alarm) = 0;
};

// The timers that run for the whole life of the program: Timer1 to Timer5 check the five kinds, Timer6
// keeps the clock texts current, Timer7 returns acknowledged alarms.
class Scheduler : public QObject
{
    Q_OBJECT
public:
    struct Intervals
    {
        int checkMs = 10;
        int returnMs = 65000;
    };

    Scheduler(SharedState &state, const Clock &clock, const Clock &fileClock, QObject *parent = nullptr);
    Scheduler(SharedState &state, const Clock &clock, const Clock &fileClock, Intervals intervals,
              QObject *parent = nullptr);
    ~Scheduler() override;

    void setNoticeSink(NoticeSink *sink) { m_sink = sink; }
    // Gives the checks and the clock their interval; until then only the return timer counts.
    void start();

    // One tick of a kind's check: hands a due alarm to the notice sink. Returns whether one was due.
    bool checkKind(AlarmKind kind);
    // One tick of the return timer.
    PastReturnReport returnPastAlarms();
    // An acknowledgement of a recurring alarm: the next return is a full interval away.
    void restartReturnCount();
    void updateClock();

    QTimer *checkTimer(AlarmKind kind) const;
    QTimer *clockTimer() const { return m_clockTimer; }
    QTimer *returnTimer() const { return m_returnTimer; }
    const ClockTexts &clock() const { return m_clockTexts; }
    const DueCheck &dueCheck(AlarmKind kind) const { return *m_checks[static_cast<std::size_t>(kind)]; }

signals:
    void clockChanged(const brevora::ClockTexts &texts);
    void alarmsReturned(const brevora::PastReturnReport &report);

private:
    SharedState &m_state;
    const Clock &m_clock;
    Intervals m_intervals;
    NoticeSink *m_sink = nullptr;
    std::array<std::unique_ptr<DueCheck>, 5> m_checks;
    std::array<QTimer *, 5> m_checkTimers{};
    QTimer *m_clockTimer = nullptr;
    QTimer *m_returnTimer = nullptr;
    ClockTexts m_clockTexts;
};

} // namespace brevora
