// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/editordesign.h"

#include <QtGlobal>

#include <array>

namespace brevora {

namespace {

const std::array<TimeFieldInfo, 6> fields{ {
    { "Text1", "Frame1", { 120, 0, 855, 615 }, { 120, 240, 615, 285 } },
    { "Text2", "Frame2", { 1080, 0, 975, 615 }, { 120, 240, 735, 285 } },
    { "Text3", "Frame3", { 2160, 0, 975, 615 }, { 120, 240, 735, 285 } },
    { "Text4", "Frame4", { 120, 600, 855, 615 }, { 120, 240, 615, 285 } },
    { "Text5", "Frame5", { 1080, 600, 975, 615 }, { 120, 240, 735, 285 } },
    { "Combo1", "Frame1", { 120, 0, 1575, 615 }, { 120, 240, 1335, 315 } },
} };

const QRect alarmTextFrame{ 120, 1200, 4455, 1575 };

const std::array<EditorDesign, 5> editors{ {
    { AlarmKind::Once,
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Brevora   New alarm (Once)"),
      600,
      { 3120, 720, 855, 375 },
      { 3960, 720 },
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Alarm text"),
      alarmTextFrame,
      { 8910, 3495 } },
    { AlarmKind::Daily,
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Brevora   New alarm (Once a day)"),
      120,
      { 2760, 240, 1215, 375 },
      { 3960, 240 },
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Texto del aviso"),
      { 120, 720, 4455, 2055 },
      { 8820, 3420 } },
    { AlarmKind::Weekly,
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Brevora   New alarm (Once a week)"),
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Alarm text"),
      alarmTextFrame,
      { 8790, 3435 } },
    { AlarmKind::Monthly,
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Brevora   New alarm (Once a month)"),
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Alarm text"),
      alarmTextFrame,
      { 8715, 3435 } },
    { AlarmKind::Yearly,
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Brevora   New alarm (Once a year)"),
      600,
      { 2760, 720, 1215, 375 },
      { 3960, 720 },
      QT_TRANSLATE_NOOP("brevora::AlarmEditorWindow", "Alarm text"),
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

} // namespace brevora
