// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "core/model/coretext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevora {

// The rules a new alarm's time fields must meet, whoever makes the alarm: the wizard's editors and --add.

// A name built from the clock never has a leading zero, so a time field refuses one while it is typed.
enum class LeadingZeroRule {
    None,
    SingleZero, // day, month, year: the text "0"
    TwoDigit, // hour, minutes: "00" to "09"
};

// As written, for the command line; a window shows them through coreText().
inline const QString leadingZeroMessage = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "brevora::core", "Numbers preceded by a 0 are not valid information. Ex: 4, not 04; or 506, not 0506"));
inline const QString invalidInformationTitle
    = QString::fromUtf8(QT_TRANSLATE_NOOP("brevora::core", "Invalid information"));

bool breaksLeadingZeroRule(LeadingZeroRule rule, const QString &text);

// The value of a number written as alarm names write it: plain decimal, no leading zero, no plus sign, no
// blanks. Anything else has no value, since a file named after it could never fall due.
std::optional<int> plainNumber(const QString &text);

// Whether a typed weekday can be the first part of a file name in the weekly folder and be stored.
bool isSafeWeekday(const QString &text);

// The alarm text as the file format can carry it: a double quote becomes a single one, a control
// character a blank.
QString storableText(const QString &text);

struct TimeFieldRule
{
    const char *caption;
    const char *section; // with its leading blank, as the message joins them
    int low;
    int high;
    LeadingZeroRule leadingZeros;
    int maxLength; // 0 for no limit
};

const TimeFieldRule &timeFieldRule(TimeField field);

// Whether an alarm may be made from the text of the field: a weekday that can be part of a file name, or a
// plain number within the field's bounds.
bool isValidField(TimeField field, const QString &text);

// The section words of the invalid fields in the kind's message order; `values` are the fields' texts in file
// order. Empty when every field is valid.
QString invalidSections(AlarmKind kind, const QStringList &values);

// The message that refuses the fields, or an empty string when all of them are valid; in the user's language
// where a translator is installed.
QString invalidFieldsMessage(AlarmKind kind, const QStringList &values);

} // namespace brevora
