#pragma once

#include <QString>

namespace brevora {

class StoreLayout;

struct PastReturnReport
{
    int returned = 0; // moved back to the active folder
    int superseded = 0; // waiting copies removed because the active folder holds a newer alarm of that name
    int skipped = 0; // could not be moved; left where they are
};

// Moves every file of the four folders of acknowledged alarms back into its active folder. Each file is tried
// once, so a file that cannot be moved never holds up the others or loops.
PastReturnReport returnPastAlarms(const StoreLayout &layout);

} // namespace brevora
