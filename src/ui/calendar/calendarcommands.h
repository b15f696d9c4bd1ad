// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class QWidget;

namespace brevora {

class Prompter;
class StoreLayout;

// "Export alarms...": every alarm that falls due, as an event of an iCalendar file the user names, written through
// the safe save as brevora --export-ics writes it. A failure is told in a box, and so are the alarms left out.
void exportAlarms(QWidget *parent, const StoreLayout &layout, const QDateTime &now, Prompter &prompter);

// "Import alarms...": the events of an iCalendar file the user chooses become alarms as brevora --import-ics makes
// them, where a kind holds them; an alarm already at the same kind and minute is kept, never replaced. What became
// of each part of the calendar is shown in one report window. False when no file was chosen or it could not be
// read, so nothing was written.
bool importAlarms(QWidget *parent, const StoreLayout &layout, const QDateTime &now, Prompter &prompter);

} // namespace brevora
