// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/prompter.h"

namespace brevora {

QMessageBox::StandardButton MessageBoxPrompter::ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                                    const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    // The texts carry alarm texts and file names, which are never markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace brevora
