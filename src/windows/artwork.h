#pragma once

#include <QIcon>
#include <QPixmap>

namespace brevora {

// The program's icon, for its windows and its notification-area icon.
QIcon programIcon();
// The splash window's logo, 205 x 301 pixels.
QPixmap splashLogo();

} // namespace brevora
