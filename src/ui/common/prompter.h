// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace brevora {

// Every message box and file dialog of the program goes through a Prompter, so tests can record and answer them.
class Prompter
{
public:
    // What a file dialog asks for: a file that is there to be read, or a name to write under.
    enum class FileChoice { Open, Save };

    virtual ~Prompter() = default;
    virtual QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, QMessageBox::StandardButtons buttons)
        = 0;

    // The file the user chose, starting at `suggested` and showing the files that `filter` names ("iCalendar
    // files (*.ics)"), whose first suffix a saved name is given when it has none; empty when the user cancelled.
    // A prompter that puts no question to a person chooses none.
    virtual QString chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &filter,
                               const QString &suggested)
    {
        Q_UNUSED(parent)
        Q_UNUSED(choice)
        Q_UNUSED(title)
        Q_UNUSED(filter)
        Q_UNUSED(suggested)
        return {};
    }

    void inform(QWidget *parent, const QString &title, const QString &text)
    {
        ask(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
    }
};

class MessageBoxPrompter final : public Prompter
{
public:
    QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons) override;
    QString chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &filter,
                       const QString &suggested) override;
};

} // namespace brevora
