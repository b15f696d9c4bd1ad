// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/checkstore.h"

#include "core/settings/settingsfiles.h"
#include "core/store/storeproblems.h"
#include "os/files/regularfile.h"

#include <QFileInfo>

namespace brevora::cli {

namespace {

void checkSettings(const StoreLayout &layout, QList<Problem> &problems)
{
    for (Setting setting : { Setting::Past, Setting::Startup, Setting::Hide }) {
        const QString path = settingFilePath(layout.settingsFolder(), setting);
        const QString fallback = settingDefault(setting) ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
        // Read without blocking: a pipe named like a settings file would wait for a writer for good.
        const std::optional<QByteArray> content = readRegularFile(path, 64);
        if (!content && QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
            problems.append(
                { path,
                  QStringLiteral("is not a regular file (a pipe, a device or a folder), so the setting "
                                 "cannot be read"),
                  QStringLiteral("remove it; Brevora recreates it with %1 at its next start").arg(fallback) });
            continue;
        }
        if (!content) {
            problems.append({ path, QStringLiteral("the settings file is missing or cannot be read"),
                              QStringLiteral("Brevora recreates it with %1 at its next start; save the settings in "
                                             "Options to choose")
                                  .arg(fallback) });
            continue;
        }
        if (*content != formatSettingValue(true) && *content != formatSettingValue(false))
            problems.append(
                { path, QStringLiteral("the settings file does not hold exactly #TRUE# or #FALSE#"),
                  QStringLiteral("save the settings in Options, or write %1 followed by a line end").arg(fallback) });
    }
}

} // namespace

void StoreCheck::other(const QString &path)
{
    m_report({ path, QStringLiteral("is not an alarm file (.alm) and is never shown"),
               QStringLiteral("move it out of the alarm folders") });
}

void StoreCheck::alarm(const StoredAlarm &alarm, const AlarmContent &content)
{
    if (auto problem = nameProblem(alarm.kind, alarm.path(), alarm.fileName, m_now))
        m_report(*problem);
    checkContent(alarm, content, m_report);
    m_twins.add(alarm);
}

void StoreCheck::finish(const StoreLayout &layout)
{
    m_twins.forEachHidden([this](const StoredAlarm &hidden, const StoredAlarm &found, bool certain) {
        m_report(twinProblem(hidden, found, certain));
    });
    QList<Problem> settings;
    checkSettings(layout, settings);
    for (const Problem &problem : std::as_const(settings))
        m_report(problem);
}

} // namespace brevora::cli
