#pragma once
// The system clock, with a fixed time the tests can set.
#include <cstdint>
#include <ctime>
#include <optional>

namespace platform {

struct SystemTime { // the fields of a Windows SYSTEMTIME, in UTC
    std::uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

// Seconds and milliseconds since 1970.
std::int64_t NowSeconds();
SystemTime UtcNow();
// Tests: freeze the clock at ms milliseconds since 1970; nullopt returns to the real clock.
void SetClockForTesting(std::optional<std::int64_t> ms);

} // namespace platform
