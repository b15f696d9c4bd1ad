// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace brevora {

// What the system around the alarm store must offer for an alarm to be shown and heard. Asked by the command
// line's check; none of it opens a window or plays a sound.
class SystemProbe
{
public:
    struct Finding
    {
        QString path; // the file the finding is about
        QString problem; // empty when all is well
    };

    virtual ~SystemProbe() = default;
    // Whether the log-on registration would start this program.
    virtual Finding logonEntry() const = 0;
    // Whether a notification area is there for the icon of a hidden program.
    virtual bool notificationAreaPresent() const = 0;
    // Whether the sound server accepts a connection; never starts one.
    virtual bool soundServerAnswers() const = 0;
    // Whether a sleeping computer is woken for the alarms: the helper that needs the right to, and why it cannot
    // (empty when it can). Asked within a few seconds, and the helper is ended before the answer returns.
    virtual Finding wakeHelper() const = 0;
    // The frames the sound file decodes to, or empty when it cannot be decoded at all.
    virtual std::optional<qint64> soundFrames(const QString &path) const = 0;
};

// The probe of this platform; `executablePath` is the program that the log-on registration should start.
std::unique_ptr<SystemProbe> createSystemProbe(const QString &executablePath);

} // namespace brevora
