// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/noticenotifications.h"

#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/snoozer.h"

#include <QLocale>
#include <QRegularExpression>

namespace brevora {

NoticeNotifications::NoticeNotifications(NoticeBoard &board, DesktopNotifier &notifier, const Clock &clock,
                                         QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
    , m_clock(clock)
{
    connect(&board, &NoticeBoard::noticeOpened, this, &NoticeNotifications::post);
}

NoticeNotifications::~NoticeNotifications()
{
    // The program ends with notices open: their snooze would reach nobody.
    const QStringList keys = m_offering.keys();
    for (const QString &key : keys)
        leaveTrace(key);
}

void NoticeNotifications::leaveTrace(const QString &key)
{
    const auto [summary, body] = m_offering.take(key);
    m_notifier.post(key, summary, body, DesktopNotifier::Stay::UntilDismissed);
}

QString NoticeNotifications::minuteText(const QTime &time)
{
    // An alarm has a minute, not a second, though some short formats (the C locale's) show seconds.
    static const QRegularExpression seconds(QStringLiteral("[.:]?s+"));
    return QLocale().toString(time, QLocale().timeFormat(QLocale::ShortFormat).remove(seconds));
}

QString NoticeNotifications::summary(AlarmKind kind, const QDateTime &due, bool missed)
{
    // How often, as the summary says it after the time: its own words in each language, not the kind's caption.
    static const char *const howOften[] = { QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a day"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a week"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a month"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a year") };
    return (missed ? tr("Missed: alarm at %1 (%2)") : tr("Alarm at %1 (%2)"))
        .arg(minuteText(due.time()), tr(howOften[static_cast<std::size_t>(kind)]));
}

void NoticeNotifications::post(NoticeWindow *notice)
{
    const Occurrence &occurrence = notice->occurrence();
    const QString key = occurrence.key();
    const AlarmKind kind = occurrence.kind;
    const QDateTime due = occurrence.due;
    const QString text = occurrence.text();
    // Answered, the alarm needs no second dismissal; passed unanswered, its trace stays for the user to find.
    connect(notice, &NoticeWindow::answered, this, [this, key, kind, due, text](bool byUser) {
        m_offering.remove(key);
        if (byUser)
            m_notifier.withdraw(key);
        else
            m_notifier.post(key, summary(kind, due, true), text, DesktopNotifier::Stay::UntilDismissed);
    });
    // Closed by other means: within its minute the notice comes back and the snooze still has it to act on.
    connect(notice, &NoticeWindow::unloaded, this, [this, key, occurrence = notice->occurrence()](bool acknowledged) {
        if (!acknowledged && m_offering.contains(key) && minuteHasEnded(occurrence, m_clock.now()))
            leaveTrace(key);
    });
    // The sound plays after this post; when it could not be heard, the notification says so beside the text.
    connect(notice, &NoticeWindow::soundFailed, this, [this, key, text](const QString &reason) {
        if (!m_offering.contains(key))
            return;
        auto &[summary, body] = m_offering[key];
        body = text + QStringLiteral("\n\n") + tr("The sound could not be played: %1.").arg(reason);
        m_notifier.post(key, summary, body, DesktopNotifier::Stay::AsTheDesktopSays,
                        { { Snoozer::actionId, tr("Snooze 10 minutes") } });
    });
    const QString folded = occurrence.path.toCaseFolded();
    if (m_posted.value(folded) == key)
        return;
    m_posted.insert(folded, key);
    m_offering.insert(key, { summary(kind, due), text });
    m_notifier.post(key, summary(kind, due), text, DesktopNotifier::Stay::AsTheDesktopSays,
                    { { Snoozer::actionId, tr("Snooze 10 minutes") } });
}

} // namespace brevora
