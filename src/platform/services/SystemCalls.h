// Small helpers for the system calls of the file layer.
#pragma once

#include <cerrno>

namespace swatchly::platform {

// Retries a call that a signal interrupted.
template<typename Call> auto retrying(Call call)
{
    decltype(call()) result;
    do
        result = call();
    while (result < 0 && errno == EINTR);
    return result;
}

} // namespace swatchly::platform
