// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/lastrunning.h"

#include <QObject>
#include <QString>

namespace brevora {

class DesktopNotifier;

// Says, once for the store, that a sleeping computer will not be woken for its alarms and how to allow it: a user
// who counts on a laptop ringing at 7:00 learns before the morning, not after it. Marked in the state folder, as
// the word at the first close is.
class WakeWord : public QObject
{
    Q_OBJECT
public:
    WakeWord(DesktopNotifier &notifier, OnceMark told, QObject *parent = nullptr);

    // The helper cannot wake the machine: `reason` says why, `helper` is the program that needs the right to.
    void cannotWake(const QString &reason, const QString &helper);

private:
    DesktopNotifier &m_notifier;
    OnceMark m_told;
};

} // namespace brevora
