#include "fieldchecks.h"

#include "platform/prompter.h"

#include <QLineEdit>
#include <QPointer>

namespace brevora {

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
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

void watchLeadingZeros(QLineEdit *field, LeadingZeroRule rule, Prompter &prompter)
{
    if (rule == LeadingZeroRule::None)
        return;
    QObject::connect(field, &QLineEdit::textChanged, field, [field, rule, &prompter](const QString &text) {
        if (!breaksLeadingZeroRule(rule, text))
            return;
        QPointer<QLineEdit> guard(field);
        prompter.inform(field->window(), invalidInformationTitle, leadingZeroMessage);
        if (guard)
            guard->clear();
    });
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

} // namespace brevora
