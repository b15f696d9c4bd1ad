// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/checksystem.h"

#include "core/settings/settingsfiles.h"
#include "os/probe/systemprobe.h"
#include "os/wake/waker.h"

#include <QFileInfo>

namespace brevora::cli {

void SoundCheck::alarm(const StoredAlarm &alarm, const AlarmContent &content)
{
    static const QString chooseAgain = QStringLiteral("choose the sound again, or add the alarm again without it");
    if (!content.record || content.record->sound() == noSound)
        return;
    const QString sound = content.record->sound();
    if (sound.isEmpty()) {
        m_report({ alarm.path(), QStringLiteral("the sound field is empty, so no sound plays"), chooseAgain });
        return;
    }
    m_anySound = true;
    auto verdict = m_verdicts.constFind(sound);
    if (verdict == m_verdicts.cend()) {
        QString why;
        if (!QFileInfo(sound).isFile())
            why = QStringLiteral("the sound file %1 does not exist").arg(sound);
        else if (const auto frames = m_probe.soundFrames(sound); !frames)
            why = QStringLiteral("the sound file %1 cannot be decoded").arg(sound);
        else if (*frames <= 0)
            why = QStringLiteral("the sound file %1 holds no sound").arg(sound);
        verdict = m_verdicts.insert(sound, why);
    }
    if (!verdict->isEmpty())
        m_report({ alarm.path(), *verdict + QStringLiteral(", so this alarm is not heard"), chooseAgain });
}

void checkSystem(const StoreLayout &layout, const SystemProbe &probe, bool anySound, const ProblemSink &report)
{
    const QString settings = layout.settingsFolder();
    if (readSettingFile(settingFilePath(settings, Setting::Startup)).value_or(false)) {
        const SystemProbe::Finding entry = probe.logonEntry();
        if (!entry.problem.isEmpty())
            report({ entry.path, entry.problem + QStringLiteral(", so Brevora does not start when you log on"),
                     QStringLiteral("untick and tick \"Run on startup\" in Options, then save") });
    }
    if (readSettingFile(settingFilePath(settings, Setting::Hide)).value_or(false) && !probe.notificationAreaPresent())
        report({ settingFilePath(settings, Setting::Hide),
                 QStringLiteral("Brevora starts hidden but there is no notification area for its icon"),
                 QStringLiteral("add a notification area to your panel, or untick \"Run hidden\" in Options") });
    if (anySound && !probe.soundServerAnswers())
        report({ layout.programDir(), QStringLiteral("no sound server answers, so no alarm sound is heard"),
                 QStringLiteral("start PulseAudio or PipeWire's PulseAudio server in your session") });
}

Problem wakeFinding(const SystemProbe &probe)
{
    const SystemProbe::Finding helper = probe.wakeHelper();
    if (helper.problem.isEmpty())
        return { helper.path, QStringLiteral("a sleeping computer will be woken for alarms"), {} };
    return { helper.path,
             QStringLiteral("a sleeping computer will not be woken for alarms (%1), so the alarms due while it sleeps "
                            "are told when it wakes")
                 .arg(helper.problem),
             QStringLiteral("to allow it, an administrator runs: %1").arg(wakeAllowCommand(helper.path)) };
}

} // namespace brevora::cli
