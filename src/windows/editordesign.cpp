#include "editordesign.h"

#include <array>

namespace brevora {

namespace {

using enum TimeField;

const std::array<TimeFieldInfo, 6> fields{ {
    { "Text1",
      "Frame1",
      "Day",
      " Day",
      1,
      31,
      LeadingZeroRule::SingleZero,
      2,
      { 120, 0, 855, 615 },
      { 120, 240, 615, 285 } },
    { "Text2",
      "Frame2",
      "Month",
      " Month",
      1,
      12,
      LeadingZeroRule::SingleZero,
      2,
      { 1080, 0, 975, 615 },
      { 120, 240, 735, 285 } },
    { "Text3",
      "Frame3",
      "Year",
      " Year",
      -9999,
      9999,
      LeadingZeroRule::SingleZero,
      4,
      { 2160, 0, 975, 615 },
      { 120, 240, 735, 285 } },
    { "Text4",
      "Frame4",
      "Hour",
      " Hour",
      0,
      23,
      LeadingZeroRule::TwoDigit,
      2,
      { 120, 600, 855, 615 },
      { 120, 240, 615, 285 } },
    { "Text5",
      "Frame5",
      "Minutes",
      " Minutes",
      0,
      59,
      LeadingZeroRule::TwoDigit,
      2,
      { 1080, 600, 975, 615 },
      { 120, 240, 735, 285 } },
    { "Combo1",
      "Frame1",
      "Weekday",
      " Weekday",
      0,
      0,
      LeadingZeroRule::None,
      0,
      { 120, 0, 1575, 615 },
      { 120, 240, 1335, 315 } },
} };

const QRect alarmTextFrame{ 120, 1200, 4455, 1575 };

const std::array<EditorDesign, 5> editors{ {
    { AlarmKind::Once,
      "Brevora   New alarm (Once)",
      { Day, Month, Year, Hour, Minutes },
      { Day, Month, Year, Hour, Minutes },
      600,
      { 3120, 720, 855, 375 },
      { 3960, 720 },
      "Alarm text",
      alarmTextFrame,
      { 8910, 3495 } },
    { AlarmKind::Daily,
      "Brevora   New alarm (Once a day)",
      { Hour, Minutes },
      { Hour, Minutes },
      120,
      { 2760, 240, 1215, 375 },
      { 3960, 240 },
      "Texto del aviso",
      { 120, 720, 4455, 2055 },
      { 8820, 3420 } },
    { AlarmKind::Weekly,
      "Brevora   New alarm (Once a week)",
      { Weekday, Hour, Minutes },
      { Hour, Minutes, Weekday },
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      "Alarm text",
      alarmTextFrame,
      { 8790, 3435 } },
    { AlarmKind::Monthly,
      "Brevora   New alarm (Once a month)",
      { Day, Hour, Minutes },
      { Day, Hour, Minutes },
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      "Alarm text",
      alarmTextFrame,
      { 8715, 3435 } },
    { AlarmKind::Yearly,
      "Brevora   New alarm (Once a year)",
      { Day, Month, Hour, Minutes },
      { Day, Month, Hour, Minutes },
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      "Alarm text",
      alarmTextFrame,
      { 8835, 3450 } },
} };

} // namespace

const TimeFieldInfo &timeFieldInfo(TimeField field)
{
    return fields[static_cast<std::size_t>(field)];
}

const EditorDesign &editorDesign(AlarmKind kind)
{
    return editors[static_cast<std::size_t>(kind)];
}

bool isValidField(TimeField field, const QString &text)
{
    if (field == TimeField::Weekday)
        return isSafeWeekday(text);
    const TimeFieldInfo &info = timeFieldInfo(field);
    const std::optional<int> value = plainNumber(text);
    return value && *value >= info.low && *value <= info.high;
}

QString invalidSections(const EditorDesign &design, const QStringList &values)
{
    QString sections;
    for (TimeField field : design.messageOrder) {
        if (!isValidField(field, values.value(design.fileOrder.indexOf(field))))
            sections += QLatin1String(timeFieldInfo(field).section);
    }
    return sections;
}

QString editorMarker(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).editorName).mid(4);
}

} // namespace brevora
