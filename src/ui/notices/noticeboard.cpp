// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/noticeboard.h"

#include "core/settings/sharedstate.h"
#include "os/sound/soundplayer.h"
#include "ui/common/prompter.h"

#include <QDir>

namespace brevora {

namespace {

// Long enough to tell one sounding from the next, short enough that the alarm is not taken for over.
constexpr std::chrono::milliseconds repeatPause{ 4000 };

} // namespace

NoticeBoard::NoticeBoard(const NoticeServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{ }

NoticeBoard::~NoticeBoard()
{
    // The program ends: its repeating sound ends with it, not when the player goes later.
    if (m_repeating)
        m_services.sound.stop();
    for (const auto &notice : std::as_const(m_notices))
        delete notice.data();
}

NoticeWindow *NoticeBoard::noticeOfFile(const QString &path) const
{
    const QString folded = path.toCaseFolded();
    for (const auto &notice : m_notices) {
        if (notice && notice->path().toCaseFolded() == folded)
            return notice;
    }
    return nullptr;
}

void NoticeBoard::showDueAlarm(const Occurrence &occurrence)
{
    // One notice per file: one left open from an earlier minute (the past setting off) serves the new one too.
    if (NoticeWindow *notice = noticeOfFile(occurrence.path)) {
        notice->setText(occurrence.text());
        if (!notice->isVisible())
            notice->show();
        return;
    }
    const QString folded = occurrence.path.toCaseFolded();
    const QString key = occurrence.key();
    if (m_held.value(folded) == key)
        return;
    m_held.remove(folded);
    auto *notice = new NoticeWindow(occurrence, m_services);
    if (!notice->start()) {
        delete notice;
        return;
    }
    // Told before the sound, which keeps everything waiting until it ends.
    emit noticeOpened(notice);
    notice->playSound();
    m_notices.insert(key, notice);
    // Forgotten as soon as it closes, not when it is destroyed later: a notice closed by the window manager
    // comes back as a new one, sound included, while its alarm is still due.
    const AlarmKind kind = occurrence.kind;
    connect(notice, &NoticeWindow::unloaded, this, [this, key, kind, notice](bool acknowledged) {
        m_notices.remove(key);
        soundGone(notice);
        if (!acknowledged)
            emit closedUnacknowledged(kind);
    });
    connect(notice, &NoticeWindow::acknowledgeFailed, this,
            [this, notice](const QString &reason) { reportFailure(notice, reason); });
    // The text first: a screen reader announces the notice, text and all, as it appears.
    notice->setText(occurrence.text());
    notice->show();
    // The sound played just now has replaced any other notice's repeats.
    if (notice->hasSound())
        m_repeating = nullptr;
    repeatSound(notice);
}

void NoticeBoard::repeatSound(NoticeWindow *notice)
{
    // The setting as it is live now, saved or not, as for the past setting.
    if (!m_services.state.settings.repeat || !notice->hasSound() || m_repeating)
        return;
    m_repeating = notice;
    m_services.sound.repeatAfter(notice->occurrence().sound(), repeatPause);
}

void NoticeBoard::soundGone(NoticeWindow *notice)
{
    if (m_repeating != notice)
        return;
    m_services.sound.stop();
    m_repeating = nullptr;
    // Another notice still open takes up its own sound again.
    for (const auto &other : std::as_const(m_notices)) {
        if (other && other != notice && !other->isUnloaded() && other->hasSound()) {
            repeatSound(other);
            return;
        }
    }
}

void NoticeBoard::reportFailure(NoticeWindow *notice, const QString &reason)
{
    // Held before the message, which lets the event loop run and the checks find the file again.
    const Occurrence &occurrence = notice->occurrence();
    m_held.insert(occurrence.path.toCaseFolded(), occurrence.key());
    const QString action = occurrence.kind == AlarmKind::Once ? tr("deleted", "the alarm file could not be ...")
                                                              : tr("set aside", "the alarm file could not be ...");
    m_services.prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                            tr("The alarm file\n%1\ncould not be %2: %3.\nIt will not be shown again "
                               "until its next time comes.")
                                .arg(QDir::toNativeSeparators(occurrence.path), action, reason),
                            QMessageBox::Ok);
}

NoticeWindow *NoticeBoard::noticeFor(const QString &key) const
{
    return m_notices.value(key);
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
