// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/programdir.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "cli/cliprogram.h"

#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "os/session/logonstart.h"
#include "os/session/programend.h"
#include "os/session/sleepwatch.h"
#include "os/sound/soundplayer.h"
#include "os/wake/wakehelper.h"
#include "ui/common/launcher.h"
#include "ui/common/prompter.h"

#include <QApplication>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <tuple>

namespace {

// Qt ends the process with a message about its platform plugin when no display can be opened, whatever the
// platform variables name. While the application object is made its messages are held, and that ending becomes
// the program's own message and status; the held messages are passed on once it stands.
QtMessageHandler qtHandler = nullptr;
std::mutex heldLock;
QList<std::tuple<QtMsgType, QByteArray, QString>> held;

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin")))
        std::_Exit(brevora::cli::reportNoDisplay(true));
    if (type == QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    const std::lock_guard guard(heldLock);
    held.append({ type, QByteArray(context.category), message });
}

void passOnHeld()
{
    qInstallMessageHandler(qtHandler);
    const std::lock_guard guard(heldLock);
    for (const auto &[type, category, message] : std::as_const(held))
        qtHandler(type, QMessageLogContext(nullptr, 0, nullptr, category.isEmpty() ? "default" : category.constData()),
                  message);
    held.clear();
}

} // namespace

int main(int argc, char *argv[])
{
    // With arguments it is a command-line tool, and no QApplication (so no display connection) exists at all.
    if (brevora::cli::wantsCommandLine(argc, argv))
        return brevora::cli::runCommandLineProgram(argc, argv, QStringLiteral(BREVORA_VERSION),
                                                   [] { return brevora::programDir().folder; });
    if (!brevora::cli::windowsCanOpen(argc, argv))
        return brevora::cli::reportNoDisplay();

    // Under X, every repaint of the second-by-second clock through shared memory waits for a round trip to
    // the server, which wakes the program three times a second instead of once; windows this small gain
    // nothing from shared memory. Only the X11 platform reads this.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // On a Wayland desktop the windows go through Xwayland, where they may still place themselves (centred
    // editors, notices at the corner), which Wayland does not allow. Natively only where there is no Xwayland,
    // or where the user chose a platform.
    const bool choosePlatform
        = !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (choosePlatform) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        // Without Xwayland the X11 platform's complaints would read like a failure, when the program goes on
        // natively; one plain line below says so instead. Qt tells of the X11 plugin it could not load at the
        // info level ("Could not load the Qt platform plugin "xcb" ..."), so that level is silenced too.
        // QT_LOGGING_RULES still overrides this.
        QLoggingCategory::setFilterRules(
            QStringLiteral("qt.qpa.xcb.warning=false\nqt.qpa.plugin.warning=false\nqt.qpa.plugin.info=false"));
    }
    qtHandler = qInstallMessageHandler(holdWhileOpening);
    QApplication qtApp(argc, argv);
    passOnHeld();
    // The programs it opens (a help viewer) choose for themselves.
    if (choosePlatform) {
        QLoggingCategory::setFilterRules(QString());
        qunsetenv("QT_QPA_PLATFORM");
    }
    QApplication::setApplicationName(QStringLiteral("Brevora"));
    QApplication::setApplicationVersion(QStringLiteral(BREVORA_VERSION));
    // Docks and Wayland compositors match the windows to the menu entry by this name (on X11 the entry's
    // StartupWMClass matches the window class, which is the application name above).
    QGuiApplication::setDesktopFileName(QStringLiteral(BREVORA_APP_ID));
    brevora::installTranslations(QLocale::system(), &qtApp);
    if (choosePlatform && QGuiApplication::platformName() != QLatin1String("xcb"))
        std::fprintf(stderr, "brevora: %s\n",
                     qPrintable(QCoreApplication::translate("brevora::main",
                                                            "Xwayland is not running; the windows open natively on "
                                                            "Wayland, where the desktop decides where they appear.")));
    // The program goes on with all its windows hidden; only its own exits end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const brevora::ProgramDirChoice programDir = brevora::programDir();
    brevora::SingleInstance instance(programDir.folder);
    brevora::MessageBoxPrompter prompter;
    // Another copy runs on this store: it shows itself, and this one ends before touching anything.
    if (const auto status = brevora::endForRunningCopy(instance, prompter))
        return *status;

    brevora::reportUnusedPortableFolder(programDir, prompter);
    brevora::QuitProgramEnd programEnd;
    const auto sound = brevora::createSystemSoundPlayer();
    brevora::SystemLauncher launcher;
    const auto logonStart = brevora::createSystemLogonStart();
    const auto notifier = brevora::createSystemNotifier();
    const auto sleepWatch = brevora::createSystemSleepWatch();
    brevora::WakeHelper waker;
    brevora::Application app(programDir.folder, brevora::SystemClock::instance(),
                             brevora::Platform{ prompter, programEnd, *sound, launcher, *logonStart, *notifier });
    app.watchSleep(*sleepWatch);
    app.wakeWith(waker);
    QObject::connect(&instance, &brevora::SingleInstance::showRequested, &app,
                     &brevora::Application::showForAnotherStart);
    app.start();
    return QApplication::exec();
}
