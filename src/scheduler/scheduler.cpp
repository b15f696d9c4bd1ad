// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/scheduler.h"

#include "core/names/alarmname.h"
#include "core/settings/sharedstate.h"
#include "core/store/fileops.h"
#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"
#include "scheduler/folderwatch.h"

#include <QTimer>

namespace brevora {

Scheduler::Scheduler(SharedState &state, const Clock &clock, QObject *parent)
    : Scheduler(state, clock, Intervals{}, parent)
{ }

Scheduler::Scheduler(SharedState &state, const Clock &clock, Intervals intervals, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_clock(clock)
    , m_intervals(intervals)
    , m_minuteAlarm(clock.createAlarm())
    , m_watch(new FolderWatch(this))
    , m_clockTimer(new QTimer(this))
    , m_returnTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("Scheduler"));
    m_minuteAlarm->setObjectName(QStringLiteral("MinuteAlarm"));
    connect(m_minuteAlarm.get(), &WallClockAlarm::rang, this, &Scheduler::onMinute);
    connect(m_minuteAlarm.get(), &WallClockAlarm::clockJumped, this, &Scheduler::onClockJumped);
    connect(m_watch, &FolderWatch::folderChanged, this, &Scheduler::noteFolderChanged);

    m_clockTimer->setObjectName(QStringLiteral("Timer6"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, [this] {
        updateClock();
        scheduleClockTick();
    });

    // The return counts from the moment something is set aside; nothing waiting, nothing to wake for.
    m_returnTimer->setObjectName(QStringLiteral("Timer7"));
    m_returnTimer->setInterval(m_intervals.returnMs);
    // A coarse timer may fire up to 5% early; the return must never come before the full interval.
    m_returnTimer->setTimerType(Qt::PreciseTimer);
    connect(m_returnTimer, &QTimer::timeout, this, &Scheduler::returnPastAlarms);
}

Scheduler::~Scheduler() = default;

void Scheduler::start()
{
    if (m_started)
        return;
    m_started = true;
    for (AlarmKind kind : allKinds) {
        m_watch->watchFolder(m_state.layout.activeFolder(kind));
        if (!m_state.layout.pastFolder(kind).isEmpty())
            m_watch->watchFolder(m_state.layout.pastFolder(kind));
    }
    QTimer::singleShot(0, this, &Scheduler::checkAll);
    armNextWake();
    if (!m_returnTimer->isActive() && somethingWaits())
        m_returnTimer->start();
}

int Scheduler::checkAll()
{
    int due = 0;
    for (AlarmKind kind : allKinds)
        due += checkKind(kind) ? 1 : 0;
    return due;
}

const FoldedNames &Scheduler::names(AlarmKind kind)
{
    // The folder's listing is kept until the folder reports a change.
    auto &names = m_names[static_cast<std::size_t>(kind)];
    if (!names)
        names = filesByFoldedName(m_state.layout.activeFolder(kind));
    return *names;
}

QString Scheduler::dueFile(AlarmKind kind)
{
    return dueFilePath(kind, m_state.layout.activeFolder(kind), m_clock, [&] { return names(kind); });
}

bool Scheduler::checkKind(AlarmKind kind)
{
    const QString path = dueFile(kind);
    // A due file rewritten in place changes only itself; watching it tells the check to read it again.
    QStringList watched;
    for (AlarmKind other : allKinds) {
        const QString file = other == kind ? path : m_dueFiles[static_cast<std::size_t>(other)];
        if (!file.isEmpty())
            watched.append(file);
    }
    m_dueFiles[static_cast<std::size_t>(kind)] = path;
    m_watch->watchFiles(watched);
    const auto due = readOccurrence(kind, path, minuteStart(m_clock.now()));
    if (!due)
        return false;
    if (m_sink)
        m_sink->showDueAlarm(*due);
    emit watchedUpToNow(true);
    return true;
}

void Scheduler::armNextWake()
{
    // The current minute is the checks' own; the wake-up is for the next minute anything falls due.
    std::array<const FoldedNames *, 5> listings{};
    for (AlarmKind kind : allKinds)
        listings[static_cast<std::size_t>(kind)] = &names(kind);
    const QDateTime from = nextMinuteBoundary(m_clock.now());
    // With nothing ever due it stays armed all the same, a year ahead: only an armed alarm hears the clock set.
    const std::optional<QDateTime> before = m_nextDue;
    m_nextDue = m_nextWake.earliest(listings, from);
    m_armedFor = m_nextDue.value_or(from.addDays(366));
    m_minuteAlarm->arm(m_armedFor);
    if (m_nextDue != before)
        emit wakeMomentsChanged();
}

QList<QDateTime> Scheduler::wakeMoments() const
{
    return m_nextDue ? QList<QDateTime>{ *m_nextDue } : QList<QDateTime>{};
}

void Scheduler::onMinute()
{
    const QDateTime now = m_clock.now();
    // Rung a hair early by a coarse clock: the new minute has not begun for the checks yet.
    if (now < m_armedFor) {
        m_minuteAlarm->arm(m_armedFor);
        return;
    }
    // A minute or more late: the process was stopped, or the machine slept without saying so. The minutes
    // skipped went by unwatched, as after a jump of the clock.
    if (now >= m_armedFor.addSecs(60)) {
        onClockJumped();
        return;
    }
    lookForReplacedFolders();
    checkAll();
    armNextWake();
    emit watchedUpToNow(false);
}

void Scheduler::lookForReplacedFolders()
{
    // A folder renamed away and made again goes unreported by the system; its listing is dropped here, and the
    // check that follows reads the new folder.
    m_lookingForReplacedFolders = true;
    m_watch->checkFoldersAreTheSame();
    m_lookingForReplacedFolders = false;
}

void Scheduler::onClockJumped()
{
    m_nextWake.forgetAll();
    lookForReplacedFolders();
    // The minutes skipped are told first, up to the one the clock landed in, which the checks below handle: each
    // occurrence is shown or reported, and only once.
    emit clockJumped();
    // The return timer counts elapsed time, which a set clock or a sleep leaves behind: an alarm set aside
    // before a jump past its next minute would still be waiting then.
    returnPastAlarmsNotDueNow();
    checkAll();
    armNextWake();
    if (m_clockShown) {
        updateClock();
        scheduleClockTick();
    }
}

void Scheduler::noteResumed()
{
    if (m_started)
        onClockJumped();
}

void Scheduler::noteFolderChanged(const QString &folder)
{
    if (!m_started)
        return;
    // A wake-up whose moment has passed unheard (a stopped process hears of the folder first) is handled before
    // the change re-arms it, so that the minutes it was for are shown or told, never taken as watched.
    if (m_clock.now() >= m_armedFor)
        onMinute();
    bool active = false;
    for (AlarmKind kind : allKinds) {
        if (m_state.layout.activeFolder(kind) == folder) {
            active = true;
            m_names[static_cast<std::size_t>(kind)].reset();
            m_nextWake.listingChanged(kind);
            if (!m_lookingForReplacedFolders)
                checkKind(kind);
        } else if (m_state.layout.pastFolder(kind) == folder && !m_returnTimer->isActive() && somethingWaits()) {
            m_returnTimer->start();
        }
    }
    // The wake-up that follows a look for replaced folders arms itself once they are all read.
    if (!active || m_lookingForReplacedFolders)
        return;
    armNextWake();
    emit watchedUpToNow(true);
}

bool Scheduler::somethingWaits(const PastReturnReport &report) const
{
    // A linked folder is never returned from, so its files wait for nothing.
    for (AlarmKind kind : allKinds) {
        const QString &folder = m_state.layout.pastFolder(kind);
        if (!folder.isEmpty() && !report.linked.contains(folder)
            && !listFolder(folder, QStringLiteral("*.alm")).isEmpty())
            return true;
    }
    return false;
}

PastReturnReport Scheduler::returnPastAlarms()
{
    return returnPastAlarmsExcept({});
}

PastReturnReport Scheduler::returnPastAlarmsNotDueNow()
{
    // An alarm whose minute is not now can come back at once without firing twice.
    return returnPastAlarmsExcept([this](AlarmKind kind, const QString &name) {
        return name.compare(dueFileName(kind, m_clock), Qt::CaseInsensitive) == 0;
    });
}

PastReturnReport Scheduler::returnPastAlarmsExcept(const PastReturnFilter &keep)
{
    const PastReturnReport report = brevora::returnPastAlarms(m_state.layout, keep);
    if (!somethingWaits(report))
        m_returnTimer->stop();
    else if (!m_returnTimer->isActive())
        m_returnTimer->start();
    emit alarmsReturned(report);
    return report;
}

void Scheduler::restartReturnCount()
{
    m_returnTimer->start();
}

void Scheduler::setClockShown(bool shown)
{
    m_clockShown = shown;
    if (!shown) {
        m_clockTimer->stop();
        return;
    }
    updateClock();
    scheduleClockTick();
}

void Scheduler::scheduleClockTick()
{
    // Just after the next second begins, so the texts never lag the clock by a second.
    m_clockTimer->start(1001 - m_clock.now().time().msec());
}

void Scheduler::updateClock()
{
    ClockTexts texts = clockTexts(m_clock.now());
    if (texts == m_clockTexts)
        return;
    m_clockTexts = std::move(texts);
    emit clockChanged(m_clockTexts);
}

} // namespace brevora
