// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/probe/systemprobe.h"

#include <QHash>

namespace brevora::test {

// A system whose answers the test sets: by default everything is there and every sound file plays.
class FakeSystemProbe final : public SystemProbe
{
public:
    Finding logonEntry() const override { return logon; }
    bool notificationAreaPresent() const override { return notificationArea; }
    bool soundServerAnswers() const override { return soundServer; }
    Finding wakeHelper() const override { return wake; }
    std::optional<qint64> soundFrames(const QString &path) const override { return frames.value(path, 1000); }

    Finding logon{ QStringLiteral("/autostart/brevora.desktop"), {} };
    bool notificationArea = true;
    bool soundServer = true;
    Finding wake{ QStringLiteral("/usr/lib/brevora/brevora-wake"), {} };
    QHash<QString, std::optional<qint64>> frames;
};

} // namespace brevora::test
