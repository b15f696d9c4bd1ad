// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/programend.h"

#include <QCoreApplication>

namespace brevora {

void QuitProgramEnd::endNow()
{
    QCoreApplication::exit(0);
}

} // namespace brevora
