// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/programdir.h"
#include "app/singleinstance.h"
#include "cli/cliprogram.h"

#include "os/clock/clock.h"
#include "os/session/logonstart.h"
#include "os/session/programend.h"
#include "os/sound/soundplayer.h"
#include "ui/common/launcher.h"
#include "ui/common/prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // With arguments it is a command-line tool, and no QApplication (so no display connection) exists at all.
    if (brevora::cli::wantsCommandLine(argc, argv))
        return brevora::cli::runCommandLineProgram(argc, argv, QStringLiteral(BREVORA_VERSION),
                                                   [] { return brevora::programDir().folder; });

    // Under X, every repaint of the second-by-second clock through shared memory waits for a round trip to
    // the server, which wakes the program three times a second instead of once; windows this small gain
    // nothing from shared memory. Only the X11 platform reads this.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevora"));
    QApplication::setApplicationVersion(QStringLiteral(BREVORA_VERSION));
    // The program goes on with all its windows hidden; only its own exits end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const brevora::ProgramDirChoice programDir = brevora::programDir();
    brevora::SingleInstance instance(programDir.folder);
    if (!instance.claim()) {
        // Another copy runs on this store: it shows itself, and this one ends before touching anything.
        if (!instance.askRunningCopyToShow())
            qWarning("Brevora is already running on %s, but it did not answer.", qPrintable(programDir.folder));
        return 0;
    }

    brevora::MessageBoxPrompter prompter;
    brevora::reportUnusedPortableFolder(programDir, prompter);
    brevora::QuitProgramEnd programEnd;
    const auto sound = brevora::createSystemSoundPlayer();
    brevora::SystemLauncher launcher;
    const auto logonStart = brevora::createSystemLogonStart();
    brevora::Application app(programDir.folder, brevora::SystemClock::instance(),
                             brevora::Platform{ prompter, programEnd, *sound, launcher, *logonStart });
    QObject::connect(&instance, &brevora::SingleInstance::showRequested, &app,
                     &brevora::Application::showForAnotherStart);
    app.start();
    return QApplication::exec();
}
