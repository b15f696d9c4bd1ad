#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace brevora {

// The windows are laid out in twips, 15 to a pixel at 96 dpi.
constexpr int twipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
}

constexpr QSize fromTwips(int width, int height)
{
    return QSize(width / twipsPerPixel, height / twipsPerPixel);
}

// Places the window, frame included, in the middle of its screen.
void centreOnScreen(QWidget &window);

} // namespace brevora
