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
void setClock(Clock *clock);
QDateTime now();

} // namespace swatchly::platform
