// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler/missed.h"

#include <QObject>
#include <QString>

namespace brevora {

class DesktopNotifier;
class Prompter;

// Tells the user of the alarms that fell due while the program was not watching, as the missed watch finds them.
// One desktop notification lists them; where no notification server takes it, a message box shows the same list.
// It only presents: what was handled is the watch's matter.
class MissedAlarmReport : public QObject
{
    Q_OBJECT
public:
    // The lines a report lists before "and N more".
    static constexpr qsizetype listedLines = 10;

    MissedAlarmReport(DesktopNotifier &notifier, Prompter &prompter, QObject *parent = nullptr);

    // Every occurrence found, in moment order.
    void present(const MissedAlarms &missed);

private:
    void onDelivered(const QString &key, bool shown);

    DesktopNotifier &m_notifier;
    Prompter &m_prompter;
    QString m_unanswered; // the list of the last post, until the desktop says whether it took it
};

// The notification's summary and body for what was found ("at most listed lines, then and N more").
QString missedSummary(const MissedAlarms &missed);
QString missedBody(const MissedAlarms &missed);

} // namespace brevora
