#pragma once

#include "settingsfiles.h"
#include "store/storelayout.h"

#include <QString>

namespace brevora {

// What the windows hand to each other while the program runs.
struct SharedState
{
    StoreLayout layout; // the base path of every file
    QString dueSound; // the sound of the alarm whose notice is being shown
    QString activeEditorMarker; // which editor the sound chooser answers to
    LiveSettings settings; // the live copy of the settings, as the options dialog holds it
};

} // namespace brevora
