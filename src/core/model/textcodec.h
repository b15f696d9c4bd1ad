// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brevora {

// Alarm texts are stored in the system's 8-bit encoding. Files written on Windows are in its ANSI code
// page, so on other systems text that is not valid UTF-8 is read as Windows-1252/Latin-1.
QString decodeStoredText(const QByteArray &bytes);
QByteArray encodeStoredText(const QString &text);

} // namespace brevora
