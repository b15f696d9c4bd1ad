// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/accessiblerole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace brevora {

namespace {

constexpr char roleProperty[] = "brevoraAccessibleRole";

QAccessibleInterface *windowWithRole(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget *window, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowWithRole);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(roleProperty, static_cast<int>(role));
}

} // namespace brevora
