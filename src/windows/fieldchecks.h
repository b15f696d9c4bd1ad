#pragma once

#include <QString>

#include <optional>

class QLineEdit;

namespace brevora {

class Prompter;

// A name built from the clock never has a leading zero, so a time field refuses one while it is typed.
enum class LeadingZeroRule {
    None,
    SingleZero, // day, month, year: the text "0"
    TwoDigit, // hour, minutes: "00" to "09"
};

inline const QString leadingZeroMessage
    = QStringLiteral("Numbers preceded by a 0 are not valid information. Ex: 4, not 04; or 506, not 0506");
inline const QString invalidInformationTitle = QStringLiteral("Invalid information");

bool breaksLeadingZeroRule(LeadingZeroRule rule, const QString &text);

// Checks the field on every change of its text: a text that breaks the rule is reported, then emptied.
void watchLeadingZeros(QLineEdit *field, LeadingZeroRule rule, Prompter &prompter);

// The value of a number written as alarm names write it: plain decimal, no leading zero, no plus sign, no
// blanks. Anything else has no value, since a file named after it could never fall due.
std::optional<int> plainNumber(const QString &text);

// Whether a typed weekday can be the first part of a file name in the weekly folder and be stored.
bool isSafeWeekday(const QString &text);

// The alarm text as the file format can carry it: a double quote becomes a single one, a control
// character a blank.
QString storableText(const QString &text);

} // namespace brevora
