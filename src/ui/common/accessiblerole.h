// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace brevora {

namespace detail {

inline constexpr char accessibleRoleProperty[] = "brevoraAccessibleRole";

inline QAccessibleInterface *windowWithRole(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(accessibleRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace detail

// A plain QWidget made a window reads as a "filler" to a screen reader; the wizard's steps and the notices say
// what they are instead. Call it in the window's constructor, before anything asks for its accessible side.
inline void setAccessibleRole(QWidget *window, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(detail::windowWithRole);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(detail::accessibleRoleProperty, static_cast<int>(role));
}

} // namespace brevora
