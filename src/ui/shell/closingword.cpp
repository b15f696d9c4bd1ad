// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/closingword.h"

#include "os/notify/desktopnotifier.h"

#include <QTimer>

namespace brevora {

ClosingWord::ClosingWord(DesktopNotifier &notifier, OnceMark told, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
    , m_told(std::move(told))
{ }

void ClosingWord::closeThen(bool alarmsWait, const std::function<void()> &end)
{
    if (m_ending)
        return;
    if (!alarmsWait || m_told.isSet()) {
        end();
        return;
    }
    m_ending = true;
    // Marked before it is said: a word that fails to reach the desktop is not tried again at every close.
    m_told.set();
    auto *guard = new QTimer(this);
    guard->setSingleShot(true);
    const auto finish = [this, guard, end] {
        guard->stop();
        disconnect(&m_notifier, &DesktopNotifier::delivered, this, nullptr);
        end();
    };
    connect(guard, &QTimer::timeout, this, finish);
    connect(&m_notifier, &DesktopNotifier::delivered, this, [key = key(), finish](const QString &delivered, bool) {
        if (delivered == key)
            QTimer::singleShot(0, finish);
    });
    guard->start(longestWaitMs);
    m_notifier.post(key(), tr("Brevora has ended"),
                    tr("No alarm will ring until Brevora starts again. To keep it running without its window, "
                       "choose Hide in the File menu instead of closing the window."),
                    DesktopNotifier::Stay::UntilDismissed);
}

} // namespace brevora
