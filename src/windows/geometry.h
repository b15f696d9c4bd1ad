#pragma once

#include <QRect>

class QWidget;

namespace brevora {

// The windows are laid out in twips, as their designs give them: 15 twips make one pixel at 96 dpi.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return { twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height) };
}

// Puts the window, frame included, in the middle of its screen without changing its size.
void centreOnScreen(QWidget *window);

} // namespace brevora
