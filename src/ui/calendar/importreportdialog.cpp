// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calendar/importreportdialog.h"

#include "core/calendar/icalimport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace brevora {

ImportReportDialog::ImportReportDialog(const QString &calendarPath, const ImportReport &report, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("importReport"));
    setWindowTitle(tr("Import alarms"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("What became of the calendar %1:").arg(QDir::toNativeSeparators(calendarPath)), this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *text = new QPlainTextEdit(reportText(report), this);
    text->setObjectName(QStringLiteral("importReportText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    intro->setBuddy(text);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 360);
}

QString ImportReportDialog::reportText(const ImportReport &report)
{
    QStringList lines{ tr("Imported: %1").arg(report.written.size()) };
    for (const QString &path : report.written)
        lines.append(QStringLiteral("  ") + QDir::toNativeSeparators(path));
    lines.append(tr("Not imported: %1").arg(report.notImported()));
    QStringList notes;
    for (const ImportNote &note : report.notes)
        (note.kind == ImportNote::Kind::Note ? notes : lines).append(QStringLiteral("  ") + noteLine(note));
    if (!notes.isEmpty())
        lines += QStringList{ tr("To note:") } + notes;
    return lines.join(u'\n');
}

QString ImportReportDialog::noteLine(const ImportNote &note)
{
    const QString text
        = note.kind == ImportNote::Kind::Taken ? tr("%1; the alarm that is there was kept").arg(note.text) : note.text;
    if (note.item == 0)
        return text;
    const QString uid = note.uid.isEmpty() ? tr("none") : note.uid;
    return note.line > 0 ? tr("Line %1 (UID %2): %3").arg(QString::number(note.line), uid, text)
                         : tr("Item %1 (UID %2): %3").arg(QString::number(note.item), uid, text);
}

} // namespace brevora
