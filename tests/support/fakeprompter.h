// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/prompter.h"

#include <QList>

namespace brevora::test {

// Records every message box and answers with the scripted buttons, then with the default answer; records every
// file question and answers with the scripted files, then with none (cancelled).
class FakePrompter final : public Prompter
{
public:
    struct Shown
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    struct FileAsked
    {
        FileChoice choice;
        QString title;
        QString filter;
        QString suggested;
    };

    QMessageBox::StandardButton ask(QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons) override
    {
        shown.append({ icon, title, text, buttons });
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QString chooseFile(QWidget *, FileChoice choice, const QString &title, const QString &filter,
                       const QString &suggested) override
    {
        filesAsked.append({ choice, title, filter, suggested });
        return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
    }

    QList<Shown> shown;
    QList<QMessageBox::StandardButton> answers;
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok;
    QList<FileAsked> filesAsked;
    QStringList chosenFiles;
};

} // namespace brevora::test
