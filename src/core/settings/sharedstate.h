// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settingsfiles.h"
#include "core/store/storelayout.h"

#include <QString>

namespace brevora {

// What the windows hand to each other while the program runs.
struct SharedState
{
    StoreLayout layout; // the base path of every file
    LiveSettings settings; // the live copy of the settings, as the options dialog holds it
};

} // namespace brevora
