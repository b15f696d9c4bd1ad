// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/deletecommands.h"

#include "ui/main/alarmdeletion.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"

#include <QFileInfo>

namespace brevora {

void connectDeleteCommands(MainWindow &window, const StoreLayout &layout, Prompter &prompter)
{
    MainWindow *main = &window;
    const StoreLayout *store = &layout;
    Prompter *asker = &prompter;
    const auto afterDeletion = [main](const DeletionOutcome &outcome) {
        if (!outcome.confirmed)
            return;
        main->clearAlarmText();
        main->reloadAlarmList();
    };
    QObject::connect(main, &MainWindow::deleteAlarmRequested, main, [=] {
        const QString selected = main->selectedAlarmPath();
        AlarmDeletion deletion(*store, *asker, main);
        afterDeletion(deletion.deleteSelected(main->alarmList()->folder(), QFileInfo(selected).fileName()));
    });
    QObject::connect(main, &MainWindow::deleteAllOfKindRequested, main, [=] {
        AlarmDeletion deletion(*store, *asker, main);
        afterDeletion(deletion.deleteAllOfType(main->kindText()));
    });
    QObject::connect(main, &MainWindow::deleteAllRequested, main, [=] {
        AlarmDeletion deletion(*store, *asker, main);
        afterDeletion(deletion.deleteAll());
    });
}

} // namespace brevora
