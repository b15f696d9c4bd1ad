#include "scheduler.h"

#include "platform/clock.h"
#include "settings/sharedstate.h"

#include <QTimer>

namespace brevora {

namespace {

QTimer *makeTimer(QObject *parent, const char *name)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    return timer;
}

} // namespace

Scheduler::Scheduler(SharedState &state, const Clock &clock, const Clock &fileClock, QObject *parent)
    : Scheduler(state, clock, fileClock, Intervals{}, parent)
{ }

Scheduler::Scheduler(SharedState &state, const Clock &clock, const Clock &fileClock, Intervals intervals,
                     QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_clock(clock)
    , m_intervals(intervals)
{
    setObjectName(QStringLiteral("Scheduler"));
    for (AlarmKind kind : allKinds) {
        const auto i = static_cast<std::size_t>(kind);
        m_checks[i] = std::make_unique<DueCheck>(kind, state.layout.activeFolder(kind), clock, fileClock);
        m_checkTimers[i] = makeTimer(this, kindInfo(kind).timerName);
        connect(m_checkTimers[i], &QTimer::timeout, this, [this, kind] { checkKind(kind); });
    }
    m_clockTimer = makeTimer(this, "Timer6");
    connect(m_clockTimer, &QTimer::timeout, this, &Scheduler::updateClock);
    // The return timer counts from the moment the scheduler exists, before the checks start.
    m_returnTimer = makeTimer(this, "Timer7");
    // A coarse timer may fire up to 5% early; the return must never come before the full interval.
    m_returnTimer->setTimerType(Qt::PreciseTimer);
    connect(m_returnTimer, &QTimer::timeout, this, &Scheduler::returnPastAlarms);
    m_returnTimer->start(m_intervals.returnMs);
}

Scheduler::~Scheduler() = default;

void Scheduler::start()
{
    for (AlarmKind kind : allKinds)
        checkTimer(kind)->start(m_intervals.checkMs);
    m_clockTimer->start(m_intervals.checkMs);
}

bool Scheduler::checkKind(AlarmKind kind)
{
    auto due = m_checks[static_cast<std::size_t>(kind)]->check();
    if (!due)
        return false;
    m_state.dueSound = due->sound();
    if (m_sink)
        m_sink->showDueAlarm(*due);
    return true;
}

PastReturnReport Scheduler::returnPastAlarms()
{
    const PastReturnReport report = brevora::returnPastAlarms(m_state.layout);
    emit alarmsReturned(report);
    return report;
}

void Scheduler::restartReturnCount()
{
    m_returnTimer->start(m_intervals.returnMs);
}

void Scheduler::updateClock()
{
    ClockTexts texts = clockTexts(m_clock.now());
    if (texts == m_clockTexts)
        return;
    m_clockTexts = std::move(texts);
    emit clockChanged(m_clockTexts);
}

QTimer *Scheduler::checkTimer(AlarmKind kind) const
{
    return m_checkTimers[static_cast<std::size_t>(kind)];
}

} // namespace brevora
