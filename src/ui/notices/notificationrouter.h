// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace brevora {

class DesktopNotifier;
class NoticeBoard;
class Shell;

// Every key the program posts desktop notifications under, and where choosing each leads: a notice's brings
// that notice forward, or the main window once the notice has gone; the list of missed alarms brings the main
// window, whose matter it is.
class NotificationRouter : public QObject
{
    Q_OBJECT
public:
    // A later report of missed alarms replaces an earlier one that is still on the desktop.
    static inline const QString missedKey = QStringLiteral("missed");
    NotificationRouter(DesktopNotifier &notifier, NoticeBoard &board, Shell &shell, QObject *parent = nullptr);

private:
    void route(const QString &key);
    void showProgram();

    NoticeBoard &m_board;
    Shell &m_shell;
};

} // namespace brevora
