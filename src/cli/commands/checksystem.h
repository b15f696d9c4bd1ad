// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/store/storescan.h"

#include <QHash>

namespace brevora {
class SystemProbe;
}

namespace brevora::cli {

// The sound files of the alarms, each asked about once however many alarms play it. Told each file as the
// store is read.
class SoundCheck
{
public:
    SoundCheck(const SystemProbe &probe, ProblemSink report)
        : m_probe(probe)
        , m_report(std::move(report))
    { }

    void alarm(const StoredAlarm &alarm, const AlarmContent &content);
    // Whether any alarm has a sound to play, so the sound server matters.
    bool anySound() const { return m_anySound; }

private:
    const SystemProbe &m_probe;
    ProblemSink m_report;
    QHash<QString, QString> m_verdicts; // sound path -> problem, empty when it plays
    bool m_anySound = false;
};

// What the system around the store must offer: the log-on entry when the log-on setting is on, a notification
// area when the hide setting is on, and a sound server when an alarm has a sound.
void checkSystem(const StoreLayout &layout, const SystemProbe &probe, bool anySound, const ProblemSink &report);

// Whether a sleeping computer is woken for the alarms, as one line in the manner of a problem's. Not a problem of
// the store: without the right, alarms are still told, only on the return.
Problem wakeFinding(const SystemProbe &probe);

} // namespace brevora::cli
