// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace brevora {

// The program's icon, for its windows and its notification-area icon.
QIcon programIcon();
// The splash window's logo, 205 x 301 pixels.
QPixmap splashLogo();
// The windows are laid out for a narrow sans-serif face of Arial's widths; Liberation Sans (Debian's
// fonts-liberation) has them, and the desktop's own sans-serif face, often wider, is only the last resort.
// Its points are the design's, drawn as much larger as the desktop's font asks (see textScale()).
QFont designFont(qreal points = 8, bool bold = false);

// Sizes the windows and their fonts for a desktop font of `desktopPoints` on the primary screen, and makes the
// design's font the program's, also where the desktop gives a kind of control a font of its own.
void useDesktopScale(qreal desktopPoints);
// The desktop's general font size in points.
qreal desktopFontPoints();

} // namespace brevora
