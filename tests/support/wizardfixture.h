// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeprompter.h"
#include "fakeshell.h"
#include "fakesoundplayer.h"
#include "storefixture.h"

#include "core/settings/sharedstate.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/kindchooser.h"
#include "ui/wizard/newalarmwizard.h"
#include "ui/wizard/soundchooser.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>

namespace brevora::test {

// A wizard over a fresh ProgramDir, with every outside effect recorded.
struct WizardFixture
{
    StoreFixture store;
    SharedState state{ store.layout, {} };
    FakePrompter prompter;
    FakeSoundPlayer player;
    FakeShell shell;
    NewAlarmWizard wizard{ state, prompter, player, shell };

    template<typename Control = QWidget>
    static Control *control(QWidget *window, const char *name)
    {
        auto *found = window->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("%s has no %s", qPrintable(window->objectName()), name);
        return found;
    }

    static void click(QWidget *window, const char *button) { control<QAbstractButton>(window, button)->click(); }

    // What the user does to reach an editor: "New", the kind's option, "Next".
    AlarmEditorWindow *open(AlarmKind kind)
    {
        static const char *const options[] = { "Option1", "Option5", "Option4", "Option3", "Option2" };
        wizard.start();
        click(wizard.kindChooser(), options[static_cast<int>(kind)]);
        click(wizard.kindChooser(), "Command1");
        return wizard.editor(kind);
    }

    // Puts the texts into the editor's time fields in file order, the weekday into Combo1.
    static void fill(AlarmEditorWindow *editor, const QStringList &due, const QString &text = QStringLiteral("Hi"))
    {
        const QList<TimeField> &order = kindInfo(editor->kind()).fields;
        for (qsizetype i = 0; i < order.size(); ++i) {
            const char *name = timeFieldInfo(order[i]).control;
            if (order[i] == TimeField::Weekday)
                control<QComboBox>(editor, name)->setEditText(due[i]);
            else
                control<QLineEdit>(editor, name)->setText(due[i]);
        }
        control<QLineEdit>(editor, "Text6")->setText(text);
    }

    // Every file under ProgramDir, relative to it.
    QStringList filesWritten() const
    {
        QStringList files;
        QDirIterator it(store.dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(store.dir.path()).relativeFilePath(it.next()));
        return files;
    }
};

} // namespace brevora::test
