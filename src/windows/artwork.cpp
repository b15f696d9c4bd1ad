#include "artwork.h"

namespace brevora {

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/brevora/program-icon.png"));
}

QPixmap splashLogo()
{
    return QPixmap(QStringLiteral(":/brevora/splash-logo.png"));
}

} // namespace brevora
