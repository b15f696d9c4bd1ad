// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/missedreport.h"

#include "os/notify/desktopnotifier.h"
#include "ui/common/prompter.h"
#include "ui/notices/noticenotifications.h"
#include "ui/notices/notificationrouter.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

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

MissedAlarmReport::MissedAlarmReport(DesktopNotifier &notifier, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
    , m_prompter(prompter)
{
    connect(&m_notifier, &DesktopNotifier::delivered, this, &MissedAlarmReport::onDelivered);
}

void MissedAlarmReport::present(const MissedAlarms &found)
{
    // The newest first: what fell due today matters more than what the list would leave under "and N more".
    MissedAlarms missed = found;
    std::reverse(missed.listed.begin(), missed.listed.end());
    missed.listed.resize(std::min(missed.listed.size(), listedLines));
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
