// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QMenuBar;

namespace brevora {

// The main window's menu commands, named as the tests and the rest of the program find them.
struct MainMenu
{
    QAction *deleteAll; // borrartodosss
    QAction *deleteAllOfKind; // borrartodo
    QAction *hide; // ocultar
    QAction *importAlarms; // importAlarmsAction
    QAction *exportAlarms; // exportAlarmsAction
    QAction *exit; // Salir
    QAction *newAlarm; // Nuevo
    QAction *deleteAlarm; // borrar
    QAction *changeAlarm; // cambiar
    QAction *options; // Opciones
    QAction *help; // ayuda
    QAction *about; // Acercade
};

MainMenu buildMainMenu(QMenuBar *bar);

} // namespace brevora
