// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up's repair of the settings files, on any content: a file holding one of the two literals is left as it
// is and nothing is said; anything else is rewritten with the default and reported once.
#include "core/settings/settingsfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace brevora;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Each save syncs the file to disk: a folder in memory, where there is one, keeps the runs fast.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/brevora-fuzz-XXXXXX")
                                                                       : QDir::tempPath() + "/brevora-fuzz-XXXXXX");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString past = dir.filePath(QStringLiteral("past.bvr"));
    for (const char *name : { "past.bvr", "startup.bvr", "hide.bvr", "repeat.bvr" }) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the test writes its files");
        file.write(name == QByteArrayView("past.bvr") ? bytes : formatSettingValue(false));
    }

    const std::optional<bool> value = parseSettingValue(bytes);
    require(!value || bytes.startsWith(*value ? "#TRUE#" : "#FALSE#"), "a value read is the file's literal");
    const RepairResult result = repairSettings(dir.path());
    require(result.failed == 0, "the repair writes");
    require(readSettingFile(past) == (value ? value : std::optional<bool>(true)), "the value after the repair");
    require(contentOf(past) == (value ? bytes : formatSettingValue(true)), "the file after the repair");
    require(result.report.has_value() == !value, "one report for a repair, none otherwise");
    require(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 4, "no temporary stays");
    return 0;
}
