#include "application.h"
#include "programdir.h"

#include "platform/clock.h"
#include "platform/prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevora"));
    QApplication::setApplicationVersion(QStringLiteral(BREVORA_VERSION));

    brevora::MessageBoxPrompter prompter;
    brevora::Application app(brevora::programDir(), brevora::SystemClock::instance(), prompter);
    app.start();
    return QApplication::exec();
}
