// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace brevora {

enum class AlarmKind { Once, Daily, Weekly, Monthly, Yearly };

// Everything the store knows about one kind: what the user sees, where its files live and how many fields its
// file holds.
struct KindInfo
{
    AlarmKind kind;
    const char *caption;
    const char *folder; // relative to the base path, with the final '/'
    const char *pastFolder; // empty for Once
    int fieldCount;
};

const KindInfo &kindInfo(AlarmKind kind);
QString kindCaption(AlarmKind kind); // as written, for the command line
QString shownKindCaption(AlarmKind kind); // as a window shows it, in the user's language
QString activeFolder(AlarmKind kind);
QString pastFolder(AlarmKind kind);
bool isRecurring(AlarmKind kind);
// The kind whose caption, as written or as shown, is exactly the text.
std::optional<AlarmKind> kindFromCaption(const QString &caption);

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
