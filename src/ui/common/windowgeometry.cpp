// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/windowgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace brevora {

void setTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

bool isFramed(const QWidget *window)
{
    return window->frameGeometry() != window->geometry();
}

void placeCentred(QWidget *window)
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

const QString centreWhenFramedName = QStringLiteral("brevora-centre-when-framed");

// A window manager frames a window only after it is shown, so a window centred before then is off by its
// frame. This centres it once more as soon as the frame is known, and again should the frame's edges still
// change (they may arrive one by one); a move by the user leaves the frame as it is and the window where the
// user put it.
class CentreWhenFramed : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        auto *window = static_cast<QWidget *>(watched);
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate) && isFramed(window)) {
            const QRect frame = window->frameGeometry();
            const QRect inner = window->geometry();
            const QMargins edges(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                                 frame.bottom() - inner.bottom());
            if (edges != m_centredWith) {
                m_centredWith = edges;
                placeCentred(window);
            }
        }
        return false;
    }

private:
    QMargins m_centredWith;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    placeCentred(window);
    if (isFramed(window) || window->findChild<QObject *>(centreWhenFramedName, Qt::FindDirectChildrenOnly))
        return;
    auto *waiting = new CentreWhenFramed(window);
    waiting->setObjectName(centreWhenFramedName);
    window->installEventFilter(waiting);
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
