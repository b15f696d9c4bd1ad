// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/prompter.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace brevora {

QMessageBox::StandardButton MessageBoxPrompter::ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                                    const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    // The texts carry alarm texts and file names, which are never markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString MessageBoxPrompter::chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &filter,
                                       const QString &suggested)
{
    QFileDialog dialog(parent, title, suggested, filter);
    if (choice == FileChoice::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // "alarms" is saved as "alarms.ics", as the filter's files are named.
        static const QRegularExpression suffix(QStringLiteral(R"(\(\*\.([^ )]+))"));
        dialog.setDefaultSuffix(suffix.match(filter).captured(1));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace brevora
