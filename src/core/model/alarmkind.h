// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace brevora {

enum class AlarmKind { Once, Daily, Weekly, Monthly, Yearly };

// The fields a kind may ask for. Each has one word in the message that lists invalid sections.
enum class TimeField { Day, Month, Year, Hour, Minutes, Weekday };

// Everything there is to know about one kind, in one row per kind: every other table of kinds (names, field
// rules, the command line) reads it from here.
//
// An alarm file's name is made of the due fields in name order: the first `dateParts` of them joined by '-', then
// '_', then the hour and the minute joined by '-', then ".alm" ("3-2-2007_14-0.alm", "14-0.alm",
// "Monday_8-30.alm"). The file holds the text, the sound, then the same fields in the same order. The command
// line's --add takes the date fields as one argument joined the same way, and the time as H:MM.
struct KindInfo
{
    AlarmKind kind;
    const char *caption; // as written; a window shows it translated
    const char *word; // the command line's word for the kind: --add, --kind, the listings
    const char *folder; // relative to the base path, with the final '/'
    const char *pastFolder; // empty for Once
    QList<TimeField> fields; // in name and file order
    qsizetype dateParts;
    // The order in which the message of invalid fields names them.
    QList<TimeField> messageOrder;
    const char *addSyntax; // the --add arguments, for the messages
    const char *addExample;

    // Text and sound come before the due fields.
    int fieldCount() const { return 2 + static_cast<int>(fields.size()); }
};

const KindInfo &kindInfo(AlarmKind kind);
QString kindCaption(AlarmKind kind); // as written, for the command line
QString shownKindCaption(AlarmKind kind); // as a window shows it, in the user's language
QString activeFolder(AlarmKind kind);
QString pastFolder(AlarmKind kind);
bool isRecurring(AlarmKind kind);
// The kind whose caption, as written or as shown, is exactly the text.
std::optional<AlarmKind> kindFromCaption(const QString &caption);

// The word the command line uses for a kind ("once", "daily", ...), and back, in any letter case.
QString kindWord(AlarmKind kind);
std::optional<AlarmKind> kindFromWord(const QString &word);

// What the main window's kind box reads before a kind is chosen.
QString noKindCaption();

inline constexpr std::array<AlarmKind, 5> allKinds{ AlarmKind::Once, AlarmKind::Daily, AlarmKind::Weekly,
                                                    AlarmKind::Monthly, AlarmKind::Yearly };
inline constexpr std::array<AlarmKind, 4> recurringKinds{ AlarmKind::Daily, AlarmKind::Weekly, AlarmKind::Monthly,
                                                          AlarmKind::Yearly };
// The order of the main window's kind list.
inline constexpr std::array<AlarmKind, 5> kindListOrder{ AlarmKind::Once, AlarmKind::Yearly, AlarmKind::Monthly,
                                                         AlarmKind::Daily, AlarmKind::Weekly };
// The order in which set-aside alarms are returned.
inline constexpr std::array<AlarmKind, 4> pastReturnOrder{ AlarmKind::Daily, AlarmKind::Monthly, AlarmKind::Yearly,
                                                           AlarmKind::Weekly };

inline const QString settingsFolder = QStringLiteral("Program files/Settings/");

} // namespace brevora
