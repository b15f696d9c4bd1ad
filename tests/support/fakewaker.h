// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/wake/waker.h"

namespace brevora::test {

// A waker that can wake the machine or not, as the test says, and keeps the moments it was last told.
class FakeWaker final : public Waker
{
public:
    explicit FakeWaker(bool canWake)
        : m_canWake(canWake)
    { }

    void start() override
    {
        m_started = true;
        emit availabilityKnown(m_canWake);
    }
    bool available() const override { return m_started && m_canWake; }
    QString reason() const override { return available() ? QString() : QStringLiteral("no right to wake"); }
    QString program() const override { return QStringLiteral("/usr/lib/brevora/brevora-wake"); }
    bool setMoments(const QList<QDateTime> &set) override
    {
        moments = set;
        return available();
    }

    QList<QDateTime> moments;

private:
    bool m_canWake;
    bool m_started = false;
};

} // namespace brevora::test
