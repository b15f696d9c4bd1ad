// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/windowgeometry.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace brevora {

namespace {

double currentScale = 1.0;
double currentTextScale = 1.0;
double currentFontSizeFactor = 1.0;

// The designs' own font size and resolution, and the width of the widest window with its frame.
constexpr double designPoints = 9.0;
constexpr double designDpi = 96.0;
constexpr int widestWindowTwips = 8910 + 300;

} // namespace

double layoutScale()
{
    return currentScale * currentFontSizeFactor;
}

double textScale()
{
    return currentTextScale;
}

void setLayoutScale(double layout, double text)
{
    currentScale = layout;
    currentTextScale = text;
}

namespace {

double screenRoom(int screenWidth, double wanted)
{
    return screenWidth > 0 ? screenWidth * 15.0 / widestWindowTwips : wanted;
}

int scaled(int length, double by)
{
    return static_cast<int>(std::lround(length * by));
}

// Scales what the window's designs placed: the sizes a control is held to, and the place of one no layout places.
void rescale(QWidget *widget, double by)
{
    if (!widget->layout()) {
        const QSize least = widget->minimumSize();
        const QSize most = widget->maximumSize();
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(most.width() == QWIDGETSIZE_MAX ? most.width() : scaled(most.width(), by),
                               most.height() == QWIDGETSIZE_MAX ? most.height() : scaled(most.height(), by));
        widget->setMinimumSize(scaled(least.width(), by), scaled(least.height(), by));
    }
    const QWidget *parent = widget->parentWidget();
    if (widget->isWindow())
        widget->resize(scaled(widget->width(), by), scaled(widget->height(), by));
    else if (parent && !parent->layout())
        widget->setGeometry(scaled(widget->x(), by), scaled(widget->y(), by), scaled(widget->width(), by),
                            scaled(widget->height(), by));
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            rescale(child, by);
    }
}

} // namespace

double layoutScaleFor(double points, double dpi, int screenWidth)
{
    const double wanted = std::max(1.0, points / designPoints) * (dpi > 0 ? dpi / designDpi : 1.0);
    return std::max(std::min(wanted, screenRoom(screenWidth, wanted)), std::min(1.0, wanted));
}

void setFontSizeFactor(double factor, int screenWidth)
{
    const double room = screenRoom(screenWidth, currentScale * factor);
    const double capped = std::max(1.0, std::min(factor, room / currentScale));
    if (capped == currentFontSizeFactor)
        return;
    const double by = capped / currentFontSizeFactor;
    currentFontSizeFactor = capped;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // Menus, pop-ups and tips size themselves to their contents when they open.
        if (window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip)
            rescale(window, by);
    }
}

void setTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

// While the window manager is still building its frame, the frame may be read as a 1x1 window at the client's
// corner, which would centre the window's corner instead of the window; only a frame around the client counts.
bool isFramed(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    return frame != window->geometry() && frame.contains(window->geometry());
}

void placeCentred(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = isFramed(window) ? window->frameGeometry().size() : window->size();
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

QMargins frameEdges(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return { inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
             frame.bottom() - inner.bottom() };
}

void fitOuterWidth(QWidget *window, int widthTwips)
{
    const int frame = isFramed(window) ? window->frameGeometry().width() - window->width() : 0;
    window->setFixedWidth(twips(widthTwips) - frame);
}

const QString frameFollowerName = QStringLiteral("brevora-frame-follower");

// A window manager frames a window only after it is shown, so a window sized or centred before then is off by
// its frame. This puts it right as soon as the frame is known, and again should the frame's edges still change
// (they may arrive one by one): first the outer width last asked for, then the centring. A move by the user
// leaves the frame as it is and the window where the user put it.
class FrameFollower : public QObject
{
public:
    explicit FrameFollower(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(frameFollowerName);
        window->installEventFilter(this);
        // The frame's extents may arrive as a property of the window with no move, resize or paint after them,
        // so a shown window without its frame is looked at again for a while.
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            follow();
            if (isFramed(m_window) || !m_window->isVisible() || m_pollEnd.hasExpired())
                m_poll.stop();
        });
    }

    static FrameFollower *of(QWidget *window)
    {
        QObject *follower = window->findChild<QObject *>(frameFollowerName, Qt::FindDirectChildrenOnly);
        return follower ? static_cast<FrameFollower *>(follower) : new FrameFollower(window);
    }

    std::optional<int> outerWidthTwips;
    bool centre = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // Painting too: a window shown under another's message box is framed without being moved or activated.
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate || type == QEvent::Paint)
            follow();
        if ((type == QEvent::Show || type == QEvent::WindowActivate) && !isFramed(m_window) && !m_poll.isActive()) {
            m_pollEnd.setRemainingTime(3000);
            m_poll.start();
        }
        return false;
    }

private:
    void follow()
    {
        if (!isFramed(m_window))
            return;
        if (const QMargins edges = frameEdges(m_window); edges != m_seenEdges) {
            m_seenEdges = edges;
            if (outerWidthTwips)
                fitOuterWidth(m_window, *outerWidthTwips);
            if (centre)
                placeCentred(m_window);
        }
    }

    QWidget *m_window;
    QMargins m_seenEdges;
    QTimer m_poll;
    QDeadlineTimer m_pollEnd;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    placeCentred(window);
    if (!isFramed(window))
        FrameFollower::of(window)->centre = true;
}

void setClientSize(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(twips(widthTwips), twips(heightTwips));
}

void setOuterWidth(QWidget *window, int widthTwips)
{
    // Also before the window is first shown: the width is right in its frame once the frame is known.
    FrameFollower::of(window)->outerWidthTwips = widthTwips;
    fitOuterWidth(window, widthTwips);
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    const auto shift = [](int start, int end, int areaStart, int areaEnd) {
        return std::max(areaStart - start, std::min(0, areaEnd - end));
    };
    const QPoint by(shift(outer.left(), outer.right(), area.left(), area.right()),
                    shift(outer.top(), outer.bottom(), area.top(), area.bottom()));
    if (!by.isNull())
        window->move(window->pos() + by);
}

} // namespace brevora
