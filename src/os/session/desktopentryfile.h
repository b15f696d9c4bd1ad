// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brevora {

// The value of a key in the [Desktop Entry] group, with the string escapes undone; empty when it is not there.
QString desktopEntryValue(const QByteArray &text, const QByteArray &key);

// The program an Exec line runs: its first argument, quoted or not.
QString execProgram(const QString &exec);

} // namespace brevora
