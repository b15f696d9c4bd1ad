// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/artwork.h"

namespace brevora {

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/brevora/program-icon.png"));
}

QPixmap splashLogo()
{
    return QPixmap(QStringLiteral(":/brevora/splash-logo.png"));
}

QFont designFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace brevora
