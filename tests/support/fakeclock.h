#pragma once

#include "platform/clock.h"

namespace brevora::test {

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2007, 2, 3), QTime(13, 59, 58)))
        : m_now(std::move(start))
    { }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &moment) { m_now = moment; }
    void set(int year, int month, int day, int hour, int minute, int second = 0)
    {
        m_now = QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    }
    void advanceSeconds(int seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

} // namespace brevora::test
