// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/noticeboard.h"

#include "os/clock/clock.h"
#include "ui/common/prompter.h"

#include <QDir>

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
    if (m_held.contains(key)) {
        if (m_held.value(key) == minuteStart(m_services.clock.now()))
            return;
        m_held.remove(key);
    }
    auto *notice = new NoticeWindow(alarm.kind, m_services);
    if (!notice->load(alarm.path)) {
        delete notice;
        return;
    }
    // Told before the sound, which keeps everything waiting until it ends.
    emit noticeOpened(notice, alarm.text());
    notice->playSound(alarm.sound());
    m_notices.insert(key, notice);
    // Forgotten as soon as it closes, not when it is destroyed later: a notice closed by the window manager
    // comes back as a new one, sound included, while its alarm is still due.
    const AlarmKind kind = alarm.kind;
    connect(notice, &NoticeWindow::unloaded, this, [this, key, kind](bool acknowledged) {
        m_notices.remove(key);
        if (!acknowledged)
            emit closedUnacknowledged(kind);
    });
    connect(notice, &NoticeWindow::acknowledgeFailed, this,
            [this, notice](const QString &path, const QString &reason) { reportFailure(notice, path, reason); });
    notice->show();
    notice->setText(alarm.text());
}

void NoticeBoard::reportFailure(NoticeWindow *notice, const QString &path, const QString &reason)
{
    // Held before the message, which lets the event loop run and the checks find the file again.
    m_held.insert(path.toCaseFolded(), notice->dueMinute());
    const QString action = notice->kind() == AlarmKind::Once ? tr("deleted", "the alarm file could not be ...")
                                                             : tr("set aside", "the alarm file could not be ...");
    m_services.prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                            tr("The alarm file\n%1\ncould not be %2: %3.\nIt will not be shown again "
                               "until its next time comes.")
                                .arg(QDir::toNativeSeparators(path), action, reason),
                            QMessageBox::Ok);
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
