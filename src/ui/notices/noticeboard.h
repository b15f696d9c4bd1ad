// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler/scheduler.h"
#include "ui/notices/noticewindow.h"

#include <QHash>
#include <QObject>
#include <QPointer>

namespace brevora {

// Keeps the open notices by their occurrence's key, one per alarm file. The scheduler reports an occurrence at
// every check of its minute; its notice is started (and its sound played) once, and afterwards only kept in view.
// With the repeat setting on, the sound of the newest open notice plays again after each pause until it goes.
class NoticeBoard : public QObject, public NoticeSink
{
    Q_OBJECT
public:
    explicit NoticeBoard(const NoticeServices &services, QObject *parent = nullptr);
    // Open notices go with the program without being acknowledged: their files stay where they are.
    ~NoticeBoard() override;

    void showDueAlarm(const Occurrence &occurrence) override;

    // The open notice of the occurrence whose key is `key`; none once it has gone.
    NoticeWindow *noticeFor(const QString &key) const;
    QList<NoticeWindow *> notices() const;

signals:
    // A new notice is about to play its occurrence's sound and show.
    void noticeOpened(brevora::NoticeWindow *notice);
    // A notice went without being acknowledged: its alarm shows again if it is still due.
    void closedUnacknowledged(brevora::AlarmKind kind);

private:
    NoticeWindow *noticeOfFile(const QString &path) const;
    void repeatSound(NoticeWindow *notice);
    void soundGone(NoticeWindow *notice);
    void reportFailure(NoticeWindow *notice, const QString &reason);

    NoticeServices m_services;
    QHash<QString, QPointer<NoticeWindow>> m_notices; // by occurrence key
    // Occurrences whose Close failed, by key: not shown again, so a file that cannot be removed does not bring its
    // notice back after every Close of its minute. By case-folded path, so a later minute of the file forgets it.
    QHash<QString, QString> m_held;
    // The notice whose sound repeats until it is answered: one at a time, the newest, so two never sound at once.
    QPointer<NoticeWindow> m_repeating;
};

} // namespace brevora
