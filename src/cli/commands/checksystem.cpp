// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/checksystem.h"

#include "core/settings/settingsfiles.h"
#include "os/probe/systemprobe.h"

#include <QFileInfo>
#include <QHash>

namespace brevora::cli {

namespace {

const QString chooseAgain = QStringLiteral("choose the sound again, or add the alarm again without it");

void checkSounds(const QList<StoredAlarm> &alarms, const SystemProbe &probe, QList<Problem> &problems, bool &anySound)
{
    QHash<QString, QString> verdicts; // sound path -> problem, empty when it plays
    for (const StoredAlarm &alarm : alarms) {
        if (!alarm.record || alarm.record->sound() == noSound)
            continue;
        const QString sound = alarm.record->sound();
        if (sound.isEmpty()) {
            problems.append(
                { alarm.path(), QStringLiteral("the sound field is empty, so no sound plays"), chooseAgain });
            continue;
        }
        anySound = true;
        auto verdict = verdicts.constFind(sound);
        if (verdict == verdicts.cend()) {
            QString why;
            if (!QFileInfo(sound).isFile())
                why = QStringLiteral("the sound file %1 does not exist").arg(sound);
            else if (const auto frames = probe.soundFrames(sound); !frames)
                why = QStringLiteral("the sound file %1 cannot be decoded").arg(sound);
            else if (*frames <= 0)
                why = QStringLiteral("the sound file %1 holds no sound").arg(sound);
            verdict = verdicts.insert(sound, why);
        }
        if (!verdict->isEmpty())
            problems.append({ alarm.path(), *verdict + QStringLiteral(", so this alarm is not heard"), chooseAgain });
    }
}

} // namespace

QList<Problem> checkSystem(const StoreLayout &layout, const QList<StoredAlarm> &alarms, const SystemProbe &probe)
{
    QList<Problem> problems;
    const QString settings = layout.settingsFolder();
    if (readSettingFile(settingFilePath(settings, Setting::Startup)).value_or(false)) {
        const SystemProbe::Finding entry = probe.logonEntry();
        if (!entry.problem.isEmpty())
            problems.append({ entry.path, entry.problem + QStringLiteral(", so Brevora does not start when you log on"),
                              QStringLiteral("untick and tick \"Run on startup\" in Options, then save") });
    }
    if (readSettingFile(settingFilePath(settings, Setting::Hide)).value_or(false) && !probe.notificationAreaPresent())
        problems.append(
            { settingFilePath(settings, Setting::Hide),
              QStringLiteral("Brevora starts hidden but there is no notification area for its icon"),
              QStringLiteral("add a notification area to your panel, or untick \"Run hidden\" in Options") });
    bool anySound = false;
    checkSounds(alarms, probe, problems, anySound);
    if (anySound && !probe.soundServerAnswers())
        problems.append({ layout.programDir(), QStringLiteral("no sound server answers, so no alarm sound is heard"),
                          QStringLiteral("start PulseAudio or PipeWire's PulseAudio server in your session") });
    return problems;
}

} // namespace brevora::cli
