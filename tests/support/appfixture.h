// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "fakeplatform.h"
#include "storefixture.h"

#include "app/application.h"
#include "core/settings/settingsfiles.h"
#include "ui/dialogs/splashwindow.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <memory>

namespace brevora::test {

// A whole program in a ProgramDir of its own, with its settings files in place so start-up asks nothing.
struct AppFixture
{
    StoreFixture store;
    FakeClock clock;
    FakePlatform fakes;
    FakePrompter &prompter = fakes.prompter;
    FakeProgramEnd &programEnd = fakes.programEnd;
    std::unique_ptr<Application> app;

    // The desktop font is the design's own size unless given.
    explicit AppFixture(bool hide = false, std::optional<bool> trayAvailable = true, qreal desktopFontPoints = 9)
    {
        const QString folder = store.layout.settingsFolder();
        for (Setting setting : allSettings)
            writeSettingFile(folder + u'/' + settingFileName(setting),
                             setting == Setting::Hide ? hide : settingDefault(setting));
        app = std::make_unique<Application>(store.dir.path(), clock, fakes.platform(),
                                            Application::Options{ trayAvailable, desktopFontPoints });
    }

    // Starts the program and ends the splash as a key on it would.
    void startAndSkipSplash()
    {
        app->start();
        app->splashWindow().handOver();
    }
};

// The program's icons in the notification area now, with their tips.
inline QStringList visibleTrayTips()
{
    QStringList tips;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (auto *icon : window->findChildren<QSystemTrayIcon *>()) {
            if (icon->isVisible())
                tips.append(icon->toolTip());
        }
    }
    return tips;
}

} // namespace brevora::test
