#include "application.h"
#include "cli/cliprogram.h"
#include "programdir.h"

#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/logonstart.h"
#include "platform/programend.h"
#include "platform/prompter.h"
#include "platform/soundplayer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // With arguments it is a command-line tool, and no QApplication (so no display connection) exists at all.
    if (brevora::cli::wantsCommandLine(argc, argv))
        return brevora::cli::runCommandLineProgram(argc, argv, QStringLiteral(BREVORA_VERSION), &brevora::programDir);

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

    brevora::MessageBoxPrompter prompter;
    brevora::QuitProgramEnd programEnd;
    const auto sound = brevora::createSystemSoundPlayer();
    brevora::SystemLauncher launcher;
    const auto logonStart = brevora::createSystemLogonStart();
    brevora::Application app(brevora::programDir(), brevora::SystemClock::instance(),
                             brevora::Platform{ prompter, programEnd, *sound, launcher, *logonStart });
    app.start();
    return QApplication::exec();
}
