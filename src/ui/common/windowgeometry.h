// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>
#include <QRect>
#include <QWidget>

#include <cmath>
#include <type_traits>

namespace brevora {

// How much larger than designed the windows are drawn: 1 for the design's own 96 dpi and 9-point desktop font in
// the design's face, more for a larger font and for a wider or taller face (see setFontSizeFactor()).
double layoutScale();
// The part of it the fonts take: the layout's without the dpi's, which the fonts' points already follow.
double textScale();
void setLayoutScale(double layout, double text);

// The scale for a desktop font of `points` on a screen of `dpi` whose free area is `screenWidth` pixels wide: the
// designs grow with the font and the dpi, never below their own size, and the widest window (the editor with its
// options open) still fits on the screen.
double layoutScaleFor(double points, double dpi, int screenWidth);

// A desktop's theme may replace the program's font by its own, also after the windows are built. The designs hold
// their texts in the design's face, so a face `factor` times as large gets windows as much larger: the windows built
// already grow (or shrink back) at once, and those built later are laid out so. The widest window still fits a
// screen of `screenWidth`, where the design's own size does.
void setFontSizeFactor(double factor, int screenWidth);

// The windows are laid out in twips, as their designs give them: 15 twips to the pixel at 96 dpi and the scale 1.
inline int twips(int length)
{
    return static_cast<int>(std::lround(length * layoutScale() / 15.0));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return { twips(left), twips(top), twips(width), twips(height) };
}

inline QSize twipsSize(int width, int height)
{
    return { twips(width), twips(height) };
}

// A control of a window's design, named as the design names it and placed in twips within `parent`.
template<typename Control>
Control *placeControl(QWidget *parent, const char *name, const QRect &twipsGeometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(
        twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(), twipsGeometry.height()));
    return control;
}

template<typename Control>
Control *placeControl(QWidget *parent, const char *name, const QRect &twipsGeometry, const QString &text)
{
    auto *control = placeControl<Control>(parent, name, twipsGeometry);
    if constexpr (std::is_base_of_v<QLabel, Control>)
        control->setTextFormat(Qt::PlainText);
    control->setText(text);
    return control;
}

// Tab moves through the controls in the order given.
void setTabChain(const QList<QWidget *> &controls);

// Places the window, frame included, in the middle of its screen; its size stays as it is.
void centreOnScreen(QWidget *window);

// Gives the window a fixed client area of the design's size.
void setClientSize(QWidget *window, int widthTwips, int heightTwips);

// Sets the window's width including its frame, keeping its left edge and its height.
void setOuterWidth(QWidget *window, int widthTwips);

// Moves the window, frame included, left and up as far as it runs beyond its screen's free area on the right or
// at the bottom, but never beyond that area's left or top edge.
void keepOnScreen(QWidget *window);

} // namespace brevora
