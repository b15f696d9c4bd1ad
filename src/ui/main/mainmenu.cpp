// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainmenu.h"

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
    QMenu *file = addMenu(bar, "Archivo", QStringLiteral("File"));
    m.deleteAll
        = addItem(file, "borrartodosss", QStringLiteral("Delete all alarms"), QKeySequence(QStringLiteral("Ctrl+A")));
    m.deleteAllOfKind = addItem(file, "borrartodo", QStringLiteral("Delete all alarms of this type"),
                                QKeySequence(QStringLiteral("Ctrl+T")));
    m.hide = addItem(file, "ocultar", QStringLiteral("Hide"), QKeySequence(QStringLiteral("Ctrl+H")));
    m.exit = addItem(file, "Salir", QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+X")));

    QMenu *alarms = addMenu(bar, "Avisos", QStringLiteral("Alarms"));
    m.newAlarm = addItem(alarms, "Nuevo", QStringLiteral("New alarm"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.deleteAlarm = addItem(alarms, "borrar", QStringLiteral("Delete alarm"), QKeySequence(QStringLiteral("Ctrl+D")));

    QMenu *tools = addMenu(bar, "Herramientas", QStringLiteral("Tools"));
    m.options = addItem(tools, "Opciones", QStringLiteral("Options"), QKeySequence(QStringLiteral("Ctrl+S")));

    QMenu *help = addMenu(bar, "help", QStringLiteral("?"));
    m.help = addItem(help, "ayuda", QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    m.about = addItem(help, "Acercade", QStringLiteral("About..."));
    return m;
}

} // namespace brevora
