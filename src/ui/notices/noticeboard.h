// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler/scheduler.h"
#include "ui/notices/noticewindow.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace brevora {

// Keeps one notice per due alarm file. The scheduler reports a due alarm at every check of its minute; the
// notice of that file is loaded (and its sound played) once, and afterwards only kept in view.
class NoticeBoard : public QObject, public NoticeSink
{
    Q_OBJECT
public:
    explicit NoticeBoard(const NoticeServices &services, QObject *parent = nullptr);
    // Open notices go with the program without being acknowledged: their files stay where they are.
    ~NoticeBoard() override;

    void showDueAlarm(const DueAlarm &alarm) override;

    NoticeWindow *noticeFor(const QString &path) const;
    QList<NoticeWindow *> notices() const;

signals:
    // A new notice has read its alarm and is about to play its sound and show; `text` is the alarm's.
    void noticeOpened(brevora::NoticeWindow *notice, const QString &text);
    // A notice went without being acknowledged: its alarm shows again if it is still due.
    void closedUnacknowledged(brevora::AlarmKind kind);

private:
    void reportFailure(NoticeWindow *notice, const QString &path, const QString &reason);

    NoticeServices m_services;
    QHash<QString, QPointer<NoticeWindow>> m_notices; // by case-folded path
    // Files whose Close failed, by case-folded path, with the minute they were due in: not shown again
    // in that minute, so a file that cannot be removed does not bring its notice back after every Close.
    QHash<QString, QDateTime> m_held;
};

} // namespace brevora
