#pragma once

#include "fieldchecks.h"
#include "store/alarmkind.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace brevora {

// The fields an editor may ask for. Each has one control, one frame around it and one word in the message
// that lists invalid sections.
enum class TimeField { Day, Month, Year, Hour, Minutes, Weekday };

struct TimeFieldInfo
{
    const char *control; // Text1 ... Combo1
    const char *frame;
    const char *caption;
    const char *section; // with its leading blank, as the message joins them
    int low;
    int high;
    LeadingZeroRule rule;
    int maxLength; // 0 for no limit
    QRect frameTwips; // the top-row position; hour and minutes take the editor's time-row top
    QRect controlTwips; // inside the frame
};

const TimeFieldInfo &timeFieldInfo(TimeField field);

// One kind's editor: the layout points in which it differs from the others, and its fields.
struct EditorDesign
{
    AlarmKind kind;
    const char *caption;
    QList<TimeField> fileOrder; // the due fields of the record and the name, in order
    QList<TimeField> messageOrder;
    int timeRowTop;
    QRect advancedLabelTwips;
    QPoint panelButtonTwips;
    const char *textFrameCaption;
    QRect textFrameTwips;
    QSize clientTwips;
};

const EditorDesign &editorDesign(AlarmKind kind);

// Whether Create may use the text typed into the field: a weekday that can be part of a file name, or a
// plain number within the field's bounds.
bool isValidField(TimeField field, const QString &text);

// The section words of the invalid fields in the editor's message order; `values` are the fields' texts in
// file order. Empty when every field is valid.
QString invalidSections(const EditorDesign &design, const QStringList &values);

// The text the chooser hands to the sound chooser to name an editor: "3" for Form3 and so on.
QString editorMarker(AlarmKind kind);

} // namespace brevora
