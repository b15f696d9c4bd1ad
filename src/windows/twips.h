#pragma once

#include <QRect>

namespace brevora {

// The windows are designed in twips; at 96 dots per inch a pixel is 15 twips.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace brevora
