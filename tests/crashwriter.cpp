// SPDX-License-Identifier: GPL-3.0-or-later
// Repeats one store operation until it is killed, for the crash-consistency test. Says "ready" once the first
// round is done, so the kills fall among the operation's own steps, not the process start.
#include "core/life/createalarm.h"
#include "core/life/pastreturn.h"
#include "core/model/alarmfile.h"
#include "core/settings/settingsfiles.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>

using namespace brevora;

namespace {

const QStringList first{ "first alarm text", "ninguno", "7", "5" };
const QStringList second{ "a second, longer text that the rewrite puts in its place", "/tmp/ding.wav", "7", "5" };

bool runOnce(const char *operation, const StoreLayout &layout, int round)
{
    const QString alarm = layout.activePath(AlarmKind::Daily, QStringLiteral("7-5.alm"));
    if (std::strcmp(operation, "rewrite-alarm") == 0)
        return writeAlarmFile(alarm, AlarmKind::Daily, AlarmRecord{ round % 2 ? second : first });
    if (std::strcmp(operation, "rewrite-setting") == 0)
        return writeSettingFile(settingFilePath(layout.settingsFolder(), Setting::Past), round % 2 != 0);
    if (std::strcmp(operation, "aside-and-return") == 0) {
        returnPastAlarms(layout); // a copy killed in between left it aside
        if (moveFile(alarm, layout.pastPath(AlarmKind::Daily, QStringLiteral("7-5.alm"))) != MoveResult::Moved)
            return false;
        return returnPastAlarms(layout).returned == 1;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const StoreLayout layout(QString::fromLocal8Bit(argv[2]));
    for (int round = 0;; ++round) {
        if (!runOnce(argv[1], layout, round))
            return 1;
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
