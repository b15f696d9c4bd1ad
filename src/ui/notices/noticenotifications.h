// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QHash>
#include <QObject>

namespace brevora {

class Clock;
class DesktopNotifier;
class NoticeBoard;
class NoticeWindow;

// A desktop notification beside every notice: a trace of the alarm that stays on the desktop after a notice
// nobody looked at has gone. One per occurrence; a notice that comes back within its minute, after the window
// manager closed it, posts nothing new. Answering the notice withdraws it; a notice that closes itself after its
// minute leaves one that says the alarm was missed. Once the notice is gone for good (closed after its minute,
// or the program ends), the notification is replaced by one that offers no snooze, which would have nothing to
// act on. Where choosing it leads is the NotificationRouter's matter.
class NoticeNotifications : public QObject
{
    Q_OBJECT
public:
    NoticeNotifications(NoticeBoard &board, DesktopNotifier &notifier, const Clock &clock, QObject *parent = nullptr);
    ~NoticeNotifications() override;

    // "Alarm at 14:00 (once a day)": the due time in the user's own short format, and the kind; `missed` says
    // that the alarm's minute passed with nobody answering its notice.
    static QString summary(AlarmKind kind, const QDateTime &due, bool missed = false);
    // A time of day as the user's short format shows it, without seconds.
    static QString minuteText(const QTime &time);

private:
    void post(NoticeWindow *notice);
    void leaveTrace(const QString &key);

    DesktopNotifier &m_notifier;
    const Clock &m_clock;
    QHash<QString, QString> m_posted; // the last occurrence posted, by case-folded path
    // The notifications that offer a snooze, by key, with their summary and body, while their notice is open.
    QHash<QString, std::pair<QString, QString>> m_offering;
};

} // namespace brevora
