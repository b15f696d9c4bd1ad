// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace brevora {

// The texts of core that reach a window are marked with QT_TRANSLATE_NOOP under this one context. Core keeps
// them as written; they are put into the user's language through the translators the windows install, which the
// command line never installs, so its output stays as scripts expect it.
#define BREVORA_CORE_CONTEXT "brevora::core"

// A marked core text in the user's language, or as written when no translation of it is installed.
inline QString coreText(const QString &source)
{
    return QCoreApplication::translate(BREVORA_CORE_CONTEXT, source.toUtf8().constData());
}

} // namespace brevora
