// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace brevora {

struct ImportNote;
struct ImportReport;

// What an import made of a calendar, in one window: the alarm files written, each part of the calendar that was
// not imported with its line, its UID and why, and what else the user should know. The text can be read and
// copied, not changed.
class ImportReportDialog : public QDialog
{
    Q_OBJECT
public:
    ImportReportDialog(const QString &calendarPath, const ImportReport &report, QWidget *parent = nullptr);

    // The imported files, then what was not imported, then the notes, one line each.
    static QString reportText(const ImportReport &report);

private:
    // "Line 12 (UID abc): why", or the calendar as a whole's "why" alone.
    static QString noteLine(const ImportNote &note);
};

} // namespace brevora
