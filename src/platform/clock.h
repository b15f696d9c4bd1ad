#pragma once

#include <QDateTime>

namespace brevora {

// Every read of the time goes through a Clock, so that tests can move time freely.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    static const SystemClock &instance();
};

} // namespace brevora
