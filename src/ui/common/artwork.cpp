// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/artwork.h"

#include "ui/common/windowgeometry.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

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
    font.setPointSizeF(points * textScale());
    font.setBold(bold);
    return font;
}

qreal desktopFontPoints()
{
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    // A font given in pixels: its points at the screen's resolution.
    const QScreen *screen = QGuiApplication::primaryScreen();
    return font.pixelSize() * 72.0 / (screen ? screen->logicalDotsPerInchY() : 96.0);
}

void useDesktopScale(qreal desktopPoints)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double layout = layoutScaleFor(desktopPoints, dpi, screen ? screen->availableGeometry().width() : 0);
    setLayoutScale(layout, layout * 96.0 / dpi);
    const QFont font = designFont();
    QApplication::setFont(font);
    // The classes a desktop's theme may give fonts of their own, which would otherwise keep the desktop's size.
    for (const char *kind : { "QMenu", "QMenuBar", "QMessageBox", "QLabel", "QPushButton", "QCheckBox", "QRadioButton",
                              "QToolButton", "QAbstractItemView", "QListView", "QHeaderView", "QComboMenuItem",
                              "QComboLineEdit", "QTipLabel", "QMenuItem" })
        QApplication::setFont(font, kind);
}

} // namespace brevora
