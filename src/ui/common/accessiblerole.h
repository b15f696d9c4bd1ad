// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

namespace brevora {

// A plain QWidget made a window reads as a "filler" to a screen reader; the wizard's steps and the notices say
// what they are instead. Call it in the window's constructor, before anything asks for its accessible side.
void setAccessibleRole(QWidget *window, QAccessible::Role role);

} // namespace brevora
