// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace brevora {

// Every message box of the program goes through a Prompter, so tests can record and answer them.
class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, QMessageBox::StandardButtons buttons)
        = 0;

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
};

} // namespace brevora
