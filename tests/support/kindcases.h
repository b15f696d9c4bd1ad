// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <array>

namespace brevora::test {

// What the tests know of each kind, typed once: the row name, the folders, and the alarm of each kind that falls
// due at Saturday 3 February 2007, 14:00 (the moment most tests start from), with its fields in file order. Tests
// that need a row per kind take it from here rather than typing the kinds again.
struct KindCase
{
    const char *tag;
    AlarmKind kind;
    const char *caption;
    const char *folder; // without the final '/'
    const char *pastFolder; // empty for one-time alarms
    const char *dueName; // due at 3-2-2007 14:00
    QStringList dueFields;
    const char *noticeName; // the notice window that shows it
};

inline const std::array<KindCase, 5> &kindCases()
{
    static const std::array<KindCase, 5> cases{ {
        { "once",
          AlarmKind::Once,
          "Once",
          "Events/Once",
          "",
          "3-2-2007_14-0.alm",
          { "3", "2", "2007", "14", "0" },
          "Form9" },
        { "daily",
          AlarmKind::Daily,
          "Once a day",
          "Events/Day",
          "Events/Past/Day",
          "14-0.alm",
          { "14", "0" },
          "Form10" },
        { "weekly",
          AlarmKind::Weekly,
          "Once a week",
          "Events/Week",
          "Events/Past/Week",
          "Saturday_14-0.alm",
          { "Saturday", "14", "0" },
          "Form13" },
        { "monthly",
          AlarmKind::Monthly,
          "Once a month",
          "Events/Month",
          "Events/Past/Month",
          "3_14-0.alm",
          { "3", "14", "0" },
          "Form12" },
        { "yearly",
          AlarmKind::Yearly,
          "Once a year",
          "Events/Year",
          "Events/Past/Year",
          "3-2_14-0.alm",
          { "3", "2", "14", "0" },
          "Form11" },
    } };
    return cases;
}

inline const KindCase &kindCase(AlarmKind kind)
{
    for (const KindCase &c : kindCases())
        if (c.kind == kind)
            return c;
    Q_UNREACHABLE();
}

// One data row per kind, named by its tag; `fill` streams the columns the test declared.
template<typename Fill>
void addKindRows(Fill fill)
{
    for (const KindCase &c : kindCases())
        fill(QTest::newRow(c.tag), c);
}

} // namespace brevora::test
