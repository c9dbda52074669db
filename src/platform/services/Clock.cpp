#include "platform/services/Clock.h"

namespace swatchly::platform {

namespace {

class SystemClock final : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
Clock *currentClock = &systemClock;

} // namespace

void setClock(Clock *clock)
{
    currentClock = clock ? clock : &systemClock;
}

QDateTime now()
{
    return currentClock->now();
}

} // namespace swatchly::platform
