#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace platform {
namespace {
std::atomic<bool> g_frozen{false};
std::atomic<std::int64_t> g_frozenMs{0};

std::int64_t NowMs() {
    if (g_frozen) return g_frozenMs;
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}
} // namespace

std::int64_t NowSeconds() {
    std::int64_t ms = NowMs();
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

SystemTime UtcNow() {
    std::int64_t ms = NowMs();
    std::time_t t = static_cast<std::time_t>(NowSeconds());
    std::tm tm{};
    gmtime_r(&t, &tm);
    return SystemTime{static_cast<std::uint16_t>(tm.tm_year + 1900),
                      static_cast<std::uint16_t>(tm.tm_mon + 1),
                      static_cast<std::uint16_t>(tm.tm_wday),
                      static_cast<std::uint16_t>(tm.tm_mday),
                      static_cast<std::uint16_t>(tm.tm_hour),
                      static_cast<std::uint16_t>(tm.tm_min),
                      static_cast<std::uint16_t>(tm.tm_sec),
                      static_cast<std::uint16_t>(((ms % 1000) + 1000) % 1000)};
}

void SetClockForTesting(std::optional<std::int64_t> ms) {
    if (ms) g_frozenMs = *ms;
    g_frozen = ms.has_value();
}

} // namespace platform
