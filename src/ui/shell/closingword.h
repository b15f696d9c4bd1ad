// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/lastrunning.h"

#include <QObject>
#include <QString>

#include <functional>

namespace brevora {

class DesktopNotifier;

// Closing a window ends the program, which a user of other desktop programs may not expect: the first time it
// happens while alarms wait, one desktop notification says that none of them rings until Brevora starts again and
// that Hide keeps it running. That it was said is kept in a mark file, so it is said once for the store, however
// the notification fared.
class ClosingWord : public QObject
{
    Q_OBJECT
public:
    static constexpr int longestWaitMs = 5000;

    ClosingWord(DesktopNotifier &notifier, OnceMark told, QObject *parent = nullptr);

    // Calls `end` at once, or, when the word is said now, as soon as the desktop took it (or failed to), so the
    // program does not end before its notification left.
    void closeThen(bool alarmsWait, const std::function<void()> &end);

    static QString key() { return QStringLiteral("closing"); }

private:
    DesktopNotifier &m_notifier;
    OnceMark m_told;
    bool m_ending = false;
};

} // namespace brevora
