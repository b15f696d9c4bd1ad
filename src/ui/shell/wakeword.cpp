// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/wakeword.h"

#include "os/notify/desktopnotifier.h"
#include "os/wake/waker.h"

namespace brevora {

WakeWord::WakeWord(DesktopNotifier &notifier, OnceMark told, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
    , m_told(std::move(told))
{ }

void WakeWord::cannotWake(const QString &reason, const QString &helper)
{
    if (m_told.isSet())
        return;
    // Marked before it is said: a desktop that never shows it does not bring it back at every start.
    m_told.set();
    m_notifier.post(QStringLiteral("wake"), tr("A sleeping computer will not be woken for alarms"),
                    tr("Alarms that fall due while the computer sleeps are told when it wakes. To let Brevora wake "
                       "it, an administrator runs: %1\n(%2)")
                        .arg(wakeAllowCommand(helper), reason),
                    DesktopNotifier::Stay::UntilDismissed);
}

} // namespace brevora
