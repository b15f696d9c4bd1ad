// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/fieldchecks.h"

#include "ui/common/prompter.h"

#include "core/model/coretext.h"

#include <QLineEdit>
#include <QPointer>

namespace brevora {

void watchLeadingZeros(QLineEdit *field, LeadingZeroRule rule, Prompter &prompter)
{
    if (rule == LeadingZeroRule::None)
        return;
    QObject::connect(field, &QLineEdit::textChanged, field, [field, rule, &prompter](const QString &text) {
        if (!breaksLeadingZeroRule(rule, text))
            return;
        QPointer<QLineEdit> guard(field);
        prompter.inform(field->window(), coreText(invalidInformationTitle), coreText(leadingZeroMessage));
        if (guard)
            guard->clear();
    });
}

} // namespace brevora
