// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/notify/desktopnotifier.h"

#include <QMetaObject>

namespace brevora {

namespace {

// Where the system has no notification service this program speaks to, the notices stand alone.
class NoNotifier final : public DesktopNotifier
{
public:
    using DesktopNotifier::DesktopNotifier;

    void post(const QString &key, const QString &, const QString &, Stay, const QList<NotificationAction> &) override
    {
        QMetaObject::invokeMethod(
            this, [this, key] { emit delivered(key, false); }, Qt::QueuedConnection);
    }

    void withdraw(const QString &) override { }
};

} // namespace

std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent)
{
    return std::make_unique<NoNotifier>(parent);
}

} // namespace brevora
