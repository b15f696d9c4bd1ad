// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>
#include <QRect>
#include <QWidget>

#include <type_traits>

namespace brevora {

// The windows are laid out in twips, as their designs give them: 15 twips to the pixel at 96 dpi.
constexpr int twips(int length)
{
    return (length + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return { twips(left), twips(top), twips(width), twips(height) };
}

constexpr QSize twipsSize(int width, int height)
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

} // namespace brevora
