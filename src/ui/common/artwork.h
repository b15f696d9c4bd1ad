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
QFont designFont(qreal points = 8, bool bold = false);

} // namespace brevora
