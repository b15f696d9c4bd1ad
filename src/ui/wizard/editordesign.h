// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/fieldrules.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace brevora {

// Where an editor puts one time field: its control and the frame around it, named and placed as designed.
struct TimeFieldInfo
{
    const char *control; // Text1 ... Combo1
    const char *frame;
    QRect frameTwips; // the top-row position; hour and minutes take the editor's time-row top
    QRect controlTwips; // inside the frame
};

const TimeFieldInfo &timeFieldInfo(TimeField field);

// One kind's editor: the layout points in which it differs from the others. Its fields, their order and their
// rules are the kind's (core/model/fieldrules.h).
struct EditorDesign
{
    AlarmKind kind;
    const char *caption; // the window title, marked for translation
    int timeRowTop;
    QRect advancedLabelTwips;
    QPoint panelButtonTwips;
    const char *textFrameCaption;
    QRect textFrameTwips;
    QSize clientTwips;
};

const EditorDesign &editorDesign(AlarmKind kind);

} // namespace brevora
