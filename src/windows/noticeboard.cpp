#include "noticeboard.h"

namespace brevora {

NoticeBoard::NoticeBoard(const NoticeServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{ }

NoticeBoard::~NoticeBoard()
{
    for (const auto &notice : std::as_const(m_notices))
        delete notice.data();
}

void NoticeBoard::showDueAlarm(const DueAlarm &alarm)
{
    const QString key = alarm.path.toCaseFolded();
    if (NoticeWindow *notice = m_notices.value(key)) {
        if (!notice->isVisible())
            notice->show();
        notice->setText(alarm.text());
        return;
    }
    auto *notice = new NoticeWindow(alarm.kind, m_services);
    if (!notice->load(alarm.path)) {
        delete notice;
        return;
    }
    m_notices.insert(key, notice);
    // Forgotten as soon as it closes, not when it is destroyed later: a notice closed by the window manager
    // comes back as a new one, sound included, while its alarm is still due.
    connect(notice, &NoticeWindow::unloaded, this, [this, key] { m_notices.remove(key); });
    notice->show();
    notice->setText(alarm.text());
}

NoticeWindow *NoticeBoard::noticeFor(const QString &path) const
{
    return m_notices.value(path.toCaseFolded());
}

QList<NoticeWindow *> NoticeBoard::notices() const
{
    QList<NoticeWindow *> open;
    for (const auto &notice : m_notices)
        if (notice)
            open.append(notice);
    return open;
}

} // namespace brevora
