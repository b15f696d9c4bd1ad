// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QString>

// The names the windows and their timers carry as objectNames: the design's own, by which tests find them. Only
// the windows know them; the store and the scheduler name kinds, never windows.
namespace brevora::objectnames {

inline const QString mainWindow = QStringLiteral("Form1");
inline const QString kindChooser = QStringLiteral("Form2");
inline const QString soundChooser = QStringLiteral("Form8");
inline const QString shownTrayHost = QStringLiteral("Form14");
inline const QString hiddenTrayHost = QStringLiteral("Form15");
inline const QString options = QStringLiteral("frmOptions");
inline const QString splash = QStringLiteral("frmSplash");
inline const QString about = QStringLiteral("frmAbout");

// The end of a notice's minute, after which a notice nobody answered may close itself.
inline const QString noticeDismissTimer = QStringLiteral("Timer1");
// The splash window's own time on screen.
inline const QString splashTimer = QStringLiteral("Timer1");

// A kind's editor: Form3 for Once, Form4 for Yearly, Form5 for Monthly, Form6 for Weekly, Form7 for Daily.
inline QString editor(AlarmKind kind)
{
    switch (kind) {
    case AlarmKind::Once:
        return QStringLiteral("Form3");
    case AlarmKind::Yearly:
        return QStringLiteral("Form4");
    case AlarmKind::Monthly:
        return QStringLiteral("Form5");
    case AlarmKind::Weekly:
        return QStringLiteral("Form6");
    case AlarmKind::Daily:
        break;
    }
    return QStringLiteral("Form7");
}

// A kind's notice: Form9 for Once, Form10 for Daily, Form11 for Yearly, Form12 for Monthly, Form13 for Weekly.
inline QString notice(AlarmKind kind)
{
    switch (kind) {
    case AlarmKind::Once:
        return QStringLiteral("Form9");
    case AlarmKind::Daily:
        return QStringLiteral("Form10");
    case AlarmKind::Yearly:
        return QStringLiteral("Form11");
    case AlarmKind::Monthly:
        return QStringLiteral("Form12");
    case AlarmKind::Weekly:
        break;
    }
    return QStringLiteral("Form13");
}

} // namespace brevora::objectnames
