// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/artwork.h"

#include "ui/common/windowgeometry.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScreen>

#include <algorithm>

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

namespace {

int primaryScreenWidth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 0;
}

// How much larger than the design's face the program's font now draws the windows' words: as much wider, by a text
// with their letters in about their proportions, or as much taller between lines, whichever is more; never less
// than 1, so a smaller face keeps the design's sizes.
double fontSizeFactor()
{
    static const QString sample
        = QStringLiteral("Una vez por semana: reproducir un sonido con la alarma. Alarm text, Once a month, Advanced "
                         "options; Ton abspielen, Informationen, Abbrechen. 0123456789 %-/()");
    const QFontMetricsF given(QApplication::font());
    const QFontMetricsF design(designFont());
    if (design.horizontalAdvance(sample) <= 0 || design.lineSpacing() <= 0)
        return 1.0;
    return std::max({ 1.0, given.horizontalAdvance(sample) / design.horizontalAdvance(sample),
                      given.lineSpacing() / design.lineSpacing() });
}

const QString fontFollowerName = QStringLiteral("brevora-font-follower");

class FontFollower : public QObject
{
public:
    using QObject::QObject;

protected:
    // Told to each window of a new font for all.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationFontChange)
            setFontSizeFactor(fontSizeFactor(), primaryScreenWidth());
        return false;
    }
};

} // namespace

void useDesktopScale(qreal desktopPoints)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double layout = layoutScaleFor(desktopPoints, dpi, primaryScreenWidth());
    setLayoutScale(layout, layout * 96.0 / dpi);
    // A desktop's theme (KDE's qt6ct, for one) gives the program its own font once the program runs, in place of
    // the one set below.
    if (!qApp->findChild<QObject *>(fontFollowerName, Qt::FindDirectChildrenOnly)) {
        auto *follower = new FontFollower(qApp);
        follower->setObjectName(fontFollowerName);
        qApp->installEventFilter(follower);
    }
    const QFont font = designFont();
    QApplication::setFont(font);
    // The classes a desktop's theme may give fonts of their own, which would otherwise keep the desktop's size.
    for (const char *kind : { "QMenu", "QMenuBar", "QMessageBox", "QLabel", "QPushButton", "QCheckBox", "QRadioButton",
                              "QToolButton", "QAbstractItemView", "QListView", "QHeaderView", "QComboMenuItem",
                              "QComboLineEdit", "QTipLabel", "QMenuItem" })
        QApplication::setFont(font, kind);
}

} // namespace brevora
