// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/fieldrules.h"

class QLineEdit;

namespace brevora {

class Prompter;

// Checks the field on every change of its text: a text that breaks the rule is reported, then emptied.
void watchLeadingZeros(QLineEdit *field, LeadingZeroRule rule, Prompter &prompter);

} // namespace brevora
