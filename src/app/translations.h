// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QObject;

namespace brevora {

// Where the program's compiled translations are built in.
inline constexpr char translationsResource[] = ":/brevora/translations";

// Puts the windows into the language of `locale`: the program's own translation and Qt's, which covers the
// standard buttons of the message boxes. Either may be missing, and a language without one stays as written.
// The translators belong to `owner`. Returns whether the program's own translation was found.
bool installTranslations(const QLocale &locale, QObject *owner);

} // namespace brevora
