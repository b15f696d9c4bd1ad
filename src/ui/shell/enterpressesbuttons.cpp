// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/enterpressesbuttons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace brevora {

namespace {

class EnterPressesButtons final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || button->autoDefault() || button->isDefault())
            return false;
        // Handed on as Space itself, so the button and whatever watches its keys take it as they take Space.
        QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat());
        QCoreApplication::sendEvent(button, &space);
        return true;
    }
};

} // namespace

void letEnterPressButtons(QCoreApplication &application)
{
    static constexpr char installed[] = "brevora-enter-presses-buttons";
    if (application.property(installed).toBool())
        return;
    application.setProperty(installed, true);
    application.installEventFilter(new EnterPressesButtons(&application));
}

} // namespace brevora
