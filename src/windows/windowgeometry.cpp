#include "windowgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace brevora {

void setTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void setClientSize(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(twips(widthTwips), twips(heightTwips));
}

void setOuterWidth(QWidget *window, int widthTwips)
{
    const int frame = window->frameGeometry().width() - window->width();
    window->setFixedWidth(twips(widthTwips) - frame);
}

} // namespace brevora
