// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace brevora {

// Some windows refresh themselves when the user comes back to them from another of the program's windows.
// A message box does not count as such a window: it belongs to the window that asked, so answering it is no
// return. Coming back from another application, or from no window at all, is no return either.

// Starts following which of the program's windows is active; each window that asks below calls it when created.
void followWindowActivation();

// Whether `window`, which has just become active, was reached directly from another of the program's windows.
bool returnedFromOwnWindow(const QWidget *window);

} // namespace brevora
