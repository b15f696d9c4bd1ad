#pragma once

#include "noticewindow.h"
#include "scheduler/scheduler.h"

#include <QHash>
#include <QObject>
#include <QPointer>

namespace brevora {

// Keeps one notice per due alarm file. The scheduler reports a due alarm on every tick of its minute; the
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

private:
    NoticeServices m_services;
    QHash<QString, QPointer<NoticeWindow>> m_notices; // by case-folded path
};

} // namespace brevora
