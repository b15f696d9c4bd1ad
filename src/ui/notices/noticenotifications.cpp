// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/noticenotifications.h"

#include "os/notify/desktopnotifier.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/notificationrouter.h"
#include "ui/notices/snoozer.h"

#include <QLocale>
#include <QRegularExpression>

namespace brevora {

NoticeNotifications::NoticeNotifications(NoticeBoard &board, DesktopNotifier &notifier, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
{
    connect(&board, &NoticeBoard::noticeOpened, this, &NoticeNotifications::post);
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

void NoticeNotifications::post(NoticeWindow *notice, const QString &text)
{
    const QString key = NotificationRouter::noticeKey(notice->path(), notice->dueMinute());
    const AlarmKind kind = notice->kind();
    const QDateTime due = notice->dueMinute();
    // Answered, the alarm needs no second dismissal; passed unanswered, its trace stays for the user to find.
    connect(notice, &NoticeWindow::answered, this, [this, key, kind, due, text](bool byUser) {
        if (byUser)
            m_notifier.withdraw(key);
        else
            m_notifier.post(key, summary(kind, due, true), text, DesktopNotifier::Stay::UntilDismissed);
    });
    const QString folded = notice->path().toCaseFolded();
    if (m_posted.value(folded) == due)
        return;
    m_posted.insert(folded, due);
    m_notifier.post(key, summary(kind, due), text, DesktopNotifier::Stay::AsTheDesktopSays,
                    { { Snoozer::actionId, tr("Snooze 10 minutes") } });
}

} // namespace brevora
