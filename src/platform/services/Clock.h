#pragma once

#include <QDateTime>

namespace swatchly::platform {

// The current date and time; tests fix the clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace swatchly::platform
