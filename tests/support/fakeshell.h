// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/shell.h"

#include <QStringList>

namespace brevora::test {

// Records the requests in the order they came.
class FakeShell final : public Shell
{
public:
    void showMainWindow() override { calls.append(QStringLiteral("showMainWindow")); }
    bool mainWindowVisible() const override { return mainVisible; }
    void startNewAlarm() override { calls.append(QStringLiteral("startNewAlarm")); }
    void showOptions() override { calls.append(QStringLiteral("showOptions")); }
    void showAbout() override { calls.append(QStringLiteral("showAbout")); }
    void showHelp() override { calls.append(QStringLiteral("showHelp")); }
    void hideProgram() override { calls.append(QStringLiteral("hideProgram")); }
    void restoreProgram() override { calls.append(QStringLiteral("restoreProgram")); }
    void hideProgramFromIcon() override { calls.append(QStringLiteral("hideProgramFromIcon")); }
    void restoreProgramFromIcon() override { calls.append(QStringLiteral("restoreProgramFromIcon")); }
    void exitProgram() override { calls.append(QStringLiteral("exitProgram")); }
    void closeAllAndExit() override { calls.append(QStringLiteral("closeAllAndExit")); }

    QStringList calls;
    bool mainVisible = false;
};

} // namespace brevora::test
