// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingsfiles.h"

#include "core/store/fileops.h"
#include "core/store/safesave.h"
#include "os/files/regularfile.h"

#include <QDir>
#include <QFile>

namespace brevora {

namespace {

// A settings file is a few bytes; anything much longer is not one.
constexpr qint64 maxSettingBytes = 256;

} // namespace

bool LiveSettings::value(Setting setting) const
{
    switch (setting) {
    case Setting::Past:
        return past;
    case Setting::Startup:
        return startup;
    case Setting::Hide:
        return hide;
    case Setting::Repeat:
        return repeat;
    }
    return false;
}

void LiveSettings::setValue(Setting setting, bool value)
{
    switch (setting) {
    case Setting::Past:
        past = value;
        break;
    case Setting::Startup:
        startup = value;
        break;
    case Setting::Hide:
        hide = value;
        break;
    case Setting::Repeat:
        repeat = value;
        break;
    }
}

QString settingFilePath(const QString &settingsFolder, Setting setting)
{
    const QString name = settingFileName(setting);
    const QString existing = findNameIgnoringCase(settingsFolder, name);
    return QDir(settingsFolder).filePath(existing.isEmpty() ? name : existing);
}

QString settingFileName(Setting setting)
{
    switch (setting) {
    case Setting::Past:
        return QStringLiteral("past.bvr");
    case Setting::Startup:
        return QStringLiteral("startup.bvr");
    case Setting::Hide:
        return QStringLiteral("hide.bvr");
    case Setting::Repeat:
        return QStringLiteral("repeat.bvr");
    }
    return {};
}

bool settingDefault(Setting setting)
{
    return LiveSettings{}.value(setting);
}

QByteArray formatSettingValue(bool value)
{
    return value ? QByteArrayLiteral("#TRUE#\r\n") : QByteArrayLiteral("#FALSE#\r\n");
}

std::optional<bool> parseSettingValue(const QByteArray &bytes)
{
    // The first line, without its line end, is exactly one of the two literals: no blanks, no other case.
    const qsizetype end = bytes.indexOf('\n');
    QByteArray literal = end < 0 ? bytes : bytes.left(end);
    if (literal.endsWith('\r'))
        literal.chop(1);
    if (literal == "#TRUE#")
        return true;
    if (literal == "#FALSE#")
        return false;
    return std::nullopt;
}

std::optional<bool> readSettingFile(const QString &path)
{
    // Only a regular file is opened, so a pipe under a setting's name cannot hold the start.
    const std::optional<QByteArray> head = readRegularFile(path, maxSettingBytes);
    return head ? parseSettingValue(*head) : std::nullopt;
}

bool writeSettingFile(const QString &path, bool value, QString *error)
{
    return saveFileAtomically(path, formatSettingValue(value), error);
}

LiveSettings readSettings(const QString &settingsFolder)
{
    LiveSettings settings;
    for (Setting setting : allSettings)
        settings.setValue(setting,
                          readSettingFile(settingFilePath(settingsFolder, setting)).value_or(settingDefault(setting)));
    return settings;
}

SettingsSave saveSettings(const QString &settingsFolder, const LiveSettings &values, const QList<Setting> &which)
{
    SettingsSave save;
    for (Setting setting : which) {
        QString error;
        if (writeSettingFile(settingFilePath(settingsFolder, setting), values.value(setting), &error)) {
            ++save.written;
        } else {
            save.failedFiles.append(settingFileName(setting));
            save.reasons.append(error);
        }
    }
    return save;
}

RepairResult repairSettings(const QString &settingsFolder)
{
    QList<Setting> unusable;
    bool tell = false;
    for (Setting setting : allSettings) {
        const QString path = settingFilePath(settingsFolder, setting);
        // Only the presence of the hide file is checked here; its value is read when start-up ends.
        const bool usable = setting == Setting::Hide ? QFile::exists(path) : readSettingFile(path).has_value();
        if (!usable)
            unusable.append(setting);
        // The repeat file came after the other three: a store without it is an older one, where it means off, not a
        // setting that was lost. It is made without a word.
        tell = tell || (!usable && (setting != Setting::Repeat || QFile::exists(path)));
    }
    const SettingsSave save = saveSettings(settingsFolder, LiveSettings{}, unusable);
    RepairResult result;
    result.created = save.written;
    result.failed = int(save.failedFiles.size());
    if (result.failed > 0) {
        // Saying the files were created would be untrue: tell what really happened.
        result.report
            = RepairReport{ true,
                            QCoreApplication::translate("brevora::core",
                                                        "Some settings' files are missing and could not be created in "
                                                        "\"%1\". The default values are used until the settings can be "
                                                        "saved.\n\n%2")
                                .arg(QDir::toNativeSeparators(settingsFolder), save.reasons.join(u'\n')) };
    } else if (result.created > 0 && tell) {
        result.report = RepairReport{ false, coreText(filesMissingText) };
    }
    return result;
}

} // namespace brevora
