// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/windowreturn.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace brevora {

namespace {

bool isOwnWindow(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget || !widget->isWindow() || qobject_cast<const QMessageBox *>(widget))
        return false;
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip;
}

// Sees every activation before the window does: activation events go to the new window before the
// deactivation of the old one, and an application-wide filter sees them first.
class ActivationHistory : public QObject
{
public:
    using QObject::QObject;

    const QWidget *previous() const { return m_previous; }
    const QWidget *current() const { return m_current; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && isOwnWindow(watched)) {
            // The same window again means the user answered one of its message boxes.
            m_previous = m_current;
            m_current = static_cast<QWidget *>(watched);
        } else if (event->type() == QEvent::WindowDeactivate && !QApplication::activeWindow()) {
            // The program has no active window now: whatever comes next comes from outside.
            m_previous = nullptr;
            m_current = nullptr;
        }
        return false;
    }

private:
    QPointer<QWidget> m_previous;
    QPointer<QWidget> m_current;
};

ActivationHistory *history = nullptr;

} // namespace

void followWindowActivation()
{
    if (history || !qApp)
        return;
    history = new ActivationHistory(qApp);
    qApp->installEventFilter(history);
}

bool returnedFromOwnWindow(const QWidget *window)
{
    return history && history->current() == window && history->previous() && history->previous() != window;
}

} // namespace brevora
