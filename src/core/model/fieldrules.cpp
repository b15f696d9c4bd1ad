// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/fieldrules.h"

#include <array>

namespace brevora {

namespace {

using enum TimeField;

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

const std::array<TimeFieldRule, 6> rules{ {
    { QT_TRANSLATE_NOOP("brevora::core", "Day"), " Day", 1, 31, LeadingZeroRule::SingleZero, 2 },
    { QT_TRANSLATE_NOOP("brevora::core", "Month"), " Month", 1, 12, LeadingZeroRule::SingleZero, 2 },
    { QT_TRANSLATE_NOOP("brevora::core", "Year"), " Year", -9999, 9999, LeadingZeroRule::SingleZero, 4 },
    { QT_TRANSLATE_NOOP("brevora::core", "Hour"), " Hour", 0, 23, LeadingZeroRule::TwoDigit, 2 },
    { QT_TRANSLATE_NOOP("brevora::core", "Minutes"), " Minutes", 0, 59, LeadingZeroRule::TwoDigit, 2 },
    { QT_TRANSLATE_NOOP("brevora::core", "Weekday"), " Weekday", 0, 0, LeadingZeroRule::None, 0 },
} };

template<typename Word>
QString joinInvalidFields(AlarmKind kind, const QStringList &values, Word word)
{
    QString joined;
    const KindInfo &info = kindInfo(kind);
    for (TimeField field : info.messageOrder) {
        if (!isValidField(field, values.value(info.fields.indexOf(field))))
            joined += word(timeFieldRule(field));
    }
    return joined;
}

} // namespace

bool breaksLeadingZeroRule(LeadingZeroRule rule, const QString &text)
{
    switch (rule) {
    case LeadingZeroRule::None:
        return false;
    case LeadingZeroRule::SingleZero:
        return text == u"0";
    case LeadingZeroRule::TwoDigit:
        return text.size() == 2 && text[0] == u'0' && text[1] >= u'0' && text[1] <= u'9';
    }
    return false;
}

std::optional<int> plainNumber(const QString &text)
{
    const QStringView digits = text.startsWith(u'-') ? QStringView(text).mid(1) : QStringView(text);
    if (digits.isEmpty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == u'0'))
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int value = digits.toInt();
    if (text.startsWith(u'-'))
        return value == 0 ? std::nullopt : std::optional<int>(-value);
    return value;
}

bool isSafeWeekday(const QString &text)
{
    if (text.isEmpty() || text == u"." || text == u"..")
        return false;
    for (QChar c : text) {
        if (c == u'/' || c == u'\\' || c == u'"' || isControl(c))
            return false;
    }
    return true;
}

QString storableText(const QString &text)
{
    QString stored = text;
    for (QChar &c : stored) {
        if (c == u'"')
            c = u'\'';
        else if (isControl(c) && c != u'\t')
            c = u' ';
    }
    return stored;
}

const TimeFieldRule &timeFieldRule(TimeField field)
{
    return rules[static_cast<std::size_t>(field)];
}

bool isValidField(TimeField field, const QString &text)
{
    if (field == TimeField::Weekday)
        return isSafeWeekday(text);
    const TimeFieldRule &rule = timeFieldRule(field);
    const std::optional<int> value = plainNumber(text);
    return value && *value >= rule.low && *value <= rule.high;
}

QString invalidSections(AlarmKind kind, const QStringList &values)
{
    return joinInvalidFields(kind, values, [](const TimeFieldRule &rule) { return QLatin1String(rule.section); });
}

QString invalidFieldsMessage(AlarmKind kind, const QStringList &values)
{
    // The section words are the fields' captions, so a translated message names them as the editor does. English
    // lists them as it always did, each after a blank; a language may put commas between them.
    QString sections;
    joinInvalidFields(kind, values, [&sections](const TimeFieldRule &rule) {
        const QString caption = coreText(QString::fromLatin1(rule.caption));
        sections = sections.isEmpty()
            ? u' ' + caption
            : QCoreApplication::translate("brevora::core", "%1 %2", "the fields named so far, then one more")
                  .arg(sections, caption);
        return QString();
    });
    return sections.isEmpty()
        ? QString()
        : QCoreApplication::translate("brevora::core", "The information for the following sections is not valid:")
            + sections;
}

} // namespace brevora
