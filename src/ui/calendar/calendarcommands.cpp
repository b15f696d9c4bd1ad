// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calendar/calendarcommands.h"

#include "core/calendar/icalexport.h"
#include "core/calendar/icalimport.h"
#include "core/store/safesave.h"
#include "os/sound/soundplayer.h"
#include "ui/calendar/importreportdialog.h"
#include "ui/common/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

namespace brevora {

namespace {

constexpr qsizetype listedLeftOut = 10;

QString calendarFilter()
{
    return QCoreApplication::translate("brevora::CalendarCommands", "iCalendar files (*.ics)");
}

// Where the file dialogs start: the user's documents, or home where there are none.
QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// A large store takes a moment to convert; the pointer says so meanwhile.
struct BusyPointer
{
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

// The paths of the alarms an export left out, the first few, then how many more.
QString leftOutList(const QList<Problem> &leftOut)
{
    QStringList lines;
    for (qsizetype i = 0; i < leftOut.size() && i < listedLeftOut; ++i)
        lines.append(QDir::toNativeSeparators(leftOut[i].path));
    if (leftOut.size() > listedLeftOut)
        lines.append(QCoreApplication::translate("brevora::CalendarCommands", "and %1 more")
                         .arg(leftOut.size() - listedLeftOut));
    return lines.join(u'\n');
}

} // namespace

void exportAlarms(QWidget *parent, const StoreLayout &layout, const QDateTime &now, Prompter &prompter)
{
    const QString title = QCoreApplication::translate("brevora::CalendarCommands", "Export alarms");
    const QString path = prompter.chooseFile(parent, Prompter::FileChoice::Save, title, calendarFilter(),
                                             QDir(startFolder()).filePath(QStringLiteral("alarms.ics")));
    if (path.isEmpty())
        return;
    ExportedCalendar calendar;
    QString error;
    {
        const BusyPointer busy;
        calendar = exportCalendar(layout, now);
        error = calendar.error;
        if (error.isEmpty())
            saveFileAtomically(path, calendar.text, &error);
    }
    if (!error.isEmpty()) {
        prompter.ask(
            parent, QMessageBox::Warning, title,
            QCoreApplication::translate("brevora::CalendarCommands", "The alarms could not be exported to %1.\n\n%2")
                .arg(QDir::toNativeSeparators(path), error),
            QMessageBox::Ok);
        return;
    }
    if (!calendar.leftOut.isEmpty())
        prompter.inform(parent, title,
                        QCoreApplication::translate("brevora::CalendarCommands",
                                                    "The alarms were exported to %1, except these, which never fall "
                                                    "due as they are:\n\n%2")
                            .arg(QDir::toNativeSeparators(path), leftOutList(calendar.leftOut)));
}

bool importAlarms(QWidget *parent, const StoreLayout &layout, const QDateTime &now, Prompter &prompter)
{
    const QString title = QCoreApplication::translate("brevora::CalendarCommands", "Import alarms");
    const QString path
        = prompter.chooseFile(parent, Prompter::FileChoice::Open, title, calendarFilter(), startFolder());
    if (path.isEmpty())
        return false;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        prompter.ask(parent, QMessageBox::Warning, title,
                     QCoreApplication::translate("brevora::CalendarCommands", "%1 cannot be read.\n\n%2")
                         .arg(QDir::toNativeSeparators(path), input.errorString()),
                     QMessageBox::Ok);
        return false;
    }
    ImportReport report;
    {
        const BusyPointer busy;
        report = importCalendar(layout, input.readAll(), now,
                                [](const QString &sound) { return soundFileProblem(sound).isEmpty(); }, {});
    }
    auto *window = new ImportReportDialog(path, report, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return true;
}

} // namespace brevora
