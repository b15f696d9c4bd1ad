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

QString NoticeNotifications::summary(AlarmKind kind, const QDateTime &due)
{
    // An alarm has a minute, not a second, though some short formats (the C locale's) show seconds.
    static const QRegularExpression seconds(QStringLiteral("[.:]?s+"));
    const QString format = QLocale().timeFormat(QLocale::ShortFormat).remove(seconds);
    // How often, as the summary says it after the time: its own words in each language, not the kind's caption.
    static const char *const howOften[] = { QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a day"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a week"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a month"),
                                            QT_TRANSLATE_NOOP("brevora::NoticeNotifications", "once a year") };
    return tr("Alarm at %1 (%2)")
        .arg(QLocale().toString(due.time(), format), tr(howOften[static_cast<std::size_t>(kind)]));
}

void NoticeNotifications::post(NoticeWindow *notice, const QString &text)
{
    const QString folded = notice->path().toCaseFolded();
    if (m_posted.value(folded) == notice->dueMinute())
        return;
    m_posted.insert(folded, notice->dueMinute());
    m_notifier.post(NotificationRouter::noticeKey(notice->path(), notice->dueMinute()),
                    summary(notice->kind(), notice->dueMinute()), text,
                    { { Snoozer::actionId, tr("Snooze 10 minutes") } });
}

} // namespace brevora
