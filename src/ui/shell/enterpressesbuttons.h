// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace brevora {

// Enter and the keypad's Enter press the focused push button in every window, as Space does. A button that takes
// Enter itself (a dialog's default or auto-default button) keeps its own handling.
void letEnterPressButtons(QCoreApplication &application);

} // namespace brevora
