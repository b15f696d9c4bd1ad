// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace brevora {

// The sound field's word for "this alarm plays no sound".
inline const QString noSound = QStringLiteral("ninguno");

// One alarm as stored: text, sound, then the kind's due fields, all as text.
struct AlarmRecord
{
    QStringList fields;

    QString text() const { return fields.value(0); }
    QString sound() const { return fields.value(1); }
    QStringList dueFields() const { return fields.mid(2); }
    bool operator==(const AlarmRecord &) const = default;
};

// The longest line (without its CR LF) an alarm file may hold: the writer refuses a longer one, and the reader
// takes a file whose first line is longer as damaged rather than read it whole.
inline constexpr qint64 maxAlarmLineBytes = 64 * 1024;

// Splits one stored line into `fieldCount` fields; fields past the count are ignored. Fails when the
// line holds fewer fields or a quoted field is not closed. Control characters read as blanks.
std::optional<QStringList> parseAlarmLine(const QByteArray &line, int fieldCount);

// The file's bytes: every field quoted, joined by commas, ended by CR LF.
QByteArray formatAlarmLine(const QStringList &fields);

// Whether the format can carry the field: no double quote, no line break, no other control character, no
// unpaired surrogate.
bool canStoreField(const QString &field);

// Reads the first line of the file (at most maxAlarmLineBytes). The file is closed in every case.
std::optional<AlarmRecord> readAlarmFile(const QString &path, AlarmKind kind);

} // namespace brevora
