// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace brevora {

class Clock;
class DesktopNotifier;
class NoticeBoard;
class StoreLayout;

// "Snooze 10 minutes" on a notice's notification: the occurrence comes back as an ordinary one-time alarm ten
// minutes on, and the notice is acknowledged as its own button would. A snooze that cannot act (the notice has
// gone, the alarm cannot be written) says why in the notification's place.
class Snoozer : public QObject
{
    Q_OBJECT
public:
    static inline const QString actionId = QStringLiteral("snooze");

    Snoozer(DesktopNotifier &notifier, NoticeBoard &board, const StoreLayout &layout, const Clock &clock,
            QObject *parent = nullptr);

private:
    void snooze(const QString &key, const QString &action);

    void tellFailure(const QString &key, const QString &reason);

    DesktopNotifier &m_notifier;
    NoticeBoard &m_board;
    const StoreLayout &m_layout;
    const Clock &m_clock;
};

} // namespace brevora
