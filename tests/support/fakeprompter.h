// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/prompter.h"

#include <QList>

namespace brevora::test {

// Records every message box and answers with the scripted buttons, then with the default answer.
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

    QMessageBox::StandardButton ask(QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons) override
    {
        shown.append({ icon, title, text, buttons });
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<QMessageBox::StandardButton> answers;
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok;
};

} // namespace brevora::test
