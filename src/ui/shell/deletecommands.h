// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevora {

class MainWindow;
class Prompter;
class StoreLayout;

// The main window's three delete commands, each asked and carried out by an AlarmDeletion; a confirmed one
// clears the alarm's text and re-reads the list.
void connectDeleteCommands(MainWindow &window, const StoreLayout &layout, Prompter &prompter);

} // namespace brevora
