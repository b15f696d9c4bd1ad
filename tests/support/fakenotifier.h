// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/notify/desktopnotifier.h"

#include <QList>

namespace brevora::test {

// Records every notification and answers each as the test says: shown (a server took it) or not.
class FakeNotifier final : public DesktopNotifier
{
public:
    struct Post
    {
        QString key;
        QString summary;
        QString body;
        Stay stay = Stay::UntilDismissed;
        QList<NotificationAction> actions;
    };
    QList<Post> posts;
    QStringList withdrawn;
    bool serverAnswers = true;

    void post(const QString &key, const QString &summary, const QString &body, Stay stay = Stay::UntilDismissed,
              const QList<NotificationAction> &actions = {}) override
    {
        posts.append({ key, summary, body, stay, actions });
        emit delivered(key, serverAnswers);
    }

    void withdraw(const QString &key) override { withdrawn.append(key); }
};

} // namespace brevora::test
