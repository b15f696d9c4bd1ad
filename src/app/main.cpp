#include "application.h"

#include "platform/clock.h"
#include "platform/programend.h"
#include "platform/prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevora"));
    QApplication::setApplicationVersion(QStringLiteral(BREVORA_VERSION));
    // The program goes on with all its windows hidden; only its own exits end it.
    QApplication::setQuitOnLastWindowClosed(false);

    brevora::MessageBoxPrompter prompter;
    brevora::QuitProgramEnd programEnd;
    brevora::Application app(QCoreApplication::applicationDirPath(), brevora::SystemClock::instance(), prompter,
                             programEnd);
    app.start();
    return QApplication::exec();
}
