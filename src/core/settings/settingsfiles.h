// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/coretext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevora {

enum class Setting { Past, Startup, Hide, Repeat };

struct LiveSettings
{
    bool past = true;
    bool startup = false;
    bool hide = false;
    bool repeat = false; // a notice's sound plays again, after a pause, until the notice is answered

    bool value(Setting setting) const;
    void setValue(Setting setting, bool value);
    bool operator==(const LiveSettings &) const = default;
};

QString settingFileName(Setting setting); // "past.bvr", ...
// Every setting, each with a file of its own.
inline constexpr Setting allSettings[] = { Setting::Past, Setting::Startup, Setting::Hide, Setting::Repeat };
// The setting's file in the folder, under whatever letter case it already exists.
QString settingFilePath(const QString &settingsFolder, Setting setting);
bool settingDefault(Setting setting);

// The bytes a settings file holds: "#TRUE#" or "#FALSE#" and CR LF.
QByteArray formatSettingValue(bool value);
// The Boolean of a settings file's bytes: exactly "#TRUE#" or "#FALSE#" on the first line; empty otherwise.
std::optional<bool> parseSettingValue(const QByteArray &bytes);
// Reads the one Boolean of a settings file; empty when the file is missing, empty, not a regular file or holds
// something else.
std::optional<bool> readSettingFile(const QString &path);
// Replaces the file atomically; a link or anything but a regular file is refused. `error` says why it failed.
bool writeSettingFile(const QString &path, bool value, QString *error = nullptr);

// What a save of settings files did: how many it wrote, and the names of those it could not write with why.
struct SettingsSave
{
    int written = 0;
    QStringList failedFiles;
    QStringList reasons;
};

// Writes the files of `which`, in that order, with their values in `values`; one that cannot be written does not
// stop the others. The options dialog saves all of them, the start-up repair the unusable ones with their defaults.
SettingsSave saveSettings(const QString &settingsFolder, const LiveSettings &values, const QList<Setting> &which);

// The files as they are now; a missing or unreadable one gives its default.
LiveSettings readSettings(const QString &settingsFolder);

// What the user is told after a repair, under the title "Files missing".
struct RepairReport
{
    bool warning; // some files could not be written; otherwise they were all created
    QString text;
};

struct RepairResult
{
    int created = 0;
    int failed = 0;
    std::optional<RepairReport> report; // none when every file was usable
};

// Recreates missing or unreadable settings files with their defaults (the hide file is only checked for
// presence). A file that cannot be written leaves its default in memory only.
RepairResult repairSettings(const QString &settingsFolder);

// As written; a window shows the title through coreText(), and a report's text is already in the user's language.
inline const QString filesMissingTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("brevora::core", "Files missing"));
inline const QString filesMissingText = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "brevora::core",
    "Some settings' files were missing, and they have been created. This has reset those settings to their default "
    "values. Use the settigs window to change them"));

} // namespace brevora
