// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/missedreport.h"

#include "core/settings/lastrunning.h"
#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "ui/common/prompter.h"
#include "ui/notices/noticenotifications.h"
#include "ui/notices/notificationrouter.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <limits>

namespace brevora {

namespace {

constexpr qsizetype longestText = 80;

QString line(const MissedAlarm &alarm)
{
    QString text = alarm.text.simplified();
    if (text.size() > longestText)
        text = text.left(longestText - 1) + QChar(0x2026);
    return QStringLiteral("%1  %2  %3")
        .arg(QLocale().toString(alarm.moment.date(), QLocale::ShortFormat) + u' '
                 + NoticeNotifications::minuteText(alarm.moment.time()),
             shownKindCaption(alarm.kind), text);
}

} // namespace

QString missedSummary(const MissedAlarms &missed)
{
    if (missed.totalIsLowerBound)
        return QCoreApplication::translate("brevora::MissedAlarmReport", "At least %1 alarms were missed")
            .arg(missed.total);
    return missed.total == 1
        ? QCoreApplication::translate("brevora::MissedAlarmReport", "An alarm was missed")
        : QCoreApplication::translate("brevora::MissedAlarmReport", "%1 alarms were missed").arg(missed.total);
}

QString missedBody(const MissedAlarms &missed)
{
    QStringList lines;
    for (const MissedAlarm &alarm : missed.listed)
        lines.append(line(alarm));
    const qint64 more = missed.total - missed.listed.size();
    if (more > 0)
        lines.append(missed.totalIsLowerBound
                         ? QCoreApplication::translate("brevora::MissedAlarmReport", "and at least %1 more").arg(more)
                         : QCoreApplication::translate("brevora::MissedAlarmReport", "and %1 more").arg(more));
    return lines.join(u'\n');
}

MissedAlarmReport::MissedAlarmReport(const StoreLayout &layout, QStringList stateFiles, const Clock &clock,
                                     DesktopNotifier &notifier, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_layout(layout)
    , m_stateFiles(std::move(stateFiles))
    , m_clock(clock)
    , m_notifier(notifier)
    , m_prompter(prompter)
{
    connect(&m_notifier, &DesktopNotifier::delivered, this, &MissedAlarmReport::onDelivered);
}

MissedAlarmReport::~MissedAlarmReport()
{
    // At the exit; a report that never ran knows nothing to keep.
    if (m_handled)
        noteWatching(true);
}

void MissedAlarmReport::reportAtStart()
{
    m_written = readLastRunning(m_stateFiles);
    m_handled = m_written;
    // Without a record nobody knows what was reported before: passed one-time alarms are told once, since the
    // record is written right after.
    report({ m_handled, m_clock.now(), !m_handled });
}

void MissedAlarmReport::reportAfterJump()
{
    report({ m_handled, m_clock.now(), false });
}

void MissedAlarmReport::noteWatching(bool keepIt)
{
    const QDateTime now = m_clock.now();
    if (!m_handled || *m_handled < now)
        m_handled = now;
    if (keepIt)
        keep();
}

void MissedAlarmReport::keep()
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

void MissedAlarmReport::report(const UnwatchedTime &time)
{
    // The newest first: what fell due today matters more than what the list would leave under "and N more".
    MissedAlarms missed = findMissedAlarms(m_layout, time, std::numeric_limits<qsizetype>::max());
    std::reverse(missed.listed.begin(), missed.listed.end());
    missed.listed.resize(std::min(missed.listed.size(), listedLines));
    // Written before anything is shown: the same minutes are never reported twice, and a clock set back is
    // counted from now on.
    noteWatching(true);
    if (missed.total == 0)
        return;
    m_unanswered = missedBody(missed);
    m_notifier.post(NotificationRouter::missedKey, missedSummary(missed), m_unanswered);
}

void MissedAlarmReport::onDelivered(const QString &key, bool shown)
{
    if (key != NotificationRouter::missedKey || m_unanswered.isEmpty())
        return;
    const QString list = std::exchange(m_unanswered, QString());
    if (!shown)
        m_prompter.inform(nullptr, tr("Missed alarms"),
                          tr("These alarms fell due while Brevora was not running or the computer was asleep:\n\n")
                              + list);
}

} // namespace brevora
