// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainmenu.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace brevora {

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainMenu buildMainMenu(QMenuBar *bar)
{
    MainMenu m{};
    QMenu *file = addMenu(bar, "Archivo", QCoreApplication::translate("brevora::MainMenu", "File"));
    m.deleteAll = addItem(file, "borrartodosss", QCoreApplication::translate("brevora::MainMenu", "Delete all alarms"),
                          QKeySequence(QStringLiteral("Ctrl+A")));
    m.deleteAllOfKind = addItem(file, "borrartodo",
                                QCoreApplication::translate("brevora::MainMenu", "Delete all alarms of this type"),
                                QKeySequence(QStringLiteral("Ctrl+T")));
    m.hide = addItem(file, "ocultar", QCoreApplication::translate("brevora::MainMenu", "Hide"),
                     QKeySequence(QStringLiteral("Ctrl+H")));
    // The alarms to and from a calendar file, together before the program's end.
    file->addSeparator();
    m.importAlarms
        = addItem(file, "importAlarmsAction", QCoreApplication::translate("brevora::MainMenu", "Import alarms..."));
    m.exportAlarms
        = addItem(file, "exportAlarmsAction", QCoreApplication::translate("brevora::MainMenu", "Export alarms..."));
    file->addSeparator();
    m.exit = addItem(file, "Salir", QCoreApplication::translate("brevora::MainMenu", "Exit"),
                     QKeySequence(QStringLiteral("Ctrl+X")));
    // Ctrl+Q quits on every other desktop program; the menu keeps showing Ctrl+X, the first of the two.
    m.exit->setShortcuts({ m.exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")) });

    QMenu *alarms = addMenu(bar, "Avisos", QCoreApplication::translate("brevora::MainMenu", "Alarms"));
    m.newAlarm = addItem(alarms, "Nuevo", QCoreApplication::translate("brevora::MainMenu", "New alarm"),
                         QKeySequence(QStringLiteral("Ctrl+N")));
    m.deleteAlarm = addItem(alarms, "borrar", QCoreApplication::translate("brevora::MainMenu", "Delete alarm"),
                            QKeySequence(QStringLiteral("Ctrl+D")));
    m.changeAlarm = addItem(alarms, "cambiar", QCoreApplication::translate("brevora::MainMenu", "Change alarm"),
                            QKeySequence(QStringLiteral("Ctrl+E")));

    QMenu *tools = addMenu(bar, "Herramientas", QCoreApplication::translate("brevora::MainMenu", "Tools"));
    m.options = addItem(tools, "Opciones", QCoreApplication::translate("brevora::MainMenu", "Options"),
                        QKeySequence(QStringLiteral("Ctrl+S")));

    QMenu *help = addMenu(bar, "help", QStringLiteral("?"));
    m.help = addItem(help, "ayuda", QCoreApplication::translate("brevora::MainMenu", "Help"), QKeySequence(Qt::Key_F1));
    m.about = addItem(help, "Acercade", QCoreApplication::translate("brevora::MainMenu", "About..."));
    return m;
}

} // namespace brevora
