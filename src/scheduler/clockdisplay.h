// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace brevora {

// The three texts of the main window's clock: time and short date in the regional formats, and the
// English weekday name.
struct ClockTexts
{
    QString time;
    QString date;
    QString weekday;
    bool operator==(const ClockTexts &) const = default;
};

ClockTexts clockTexts(const QDateTime &now, const QLocale &locale = QLocale::system());

} // namespace brevora
