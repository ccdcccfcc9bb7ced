#pragma once
// "Statistic.ini" (section "Orvn") and the launcher's settings keys.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kStatSection = "Orvn";
// The launcher's settings key ("UpdTime", "DisableDays").
inline constexpr const char* kLauncherKey = "Orvn";
// The web engine's cache key ("CacheLimit").
inline constexpr const char* kCacheKey = "CacheContent";
inline constexpr std::uint32_t kCacheLimit = 1048576;

enum StatisticSelector {
    StatPortalCount = 0, // "6182"
    StatInstall = 1,     // "Inst"
    StatUninstall = 2,   // "UnInst"
    StatGame = 3,        // "Game"
    StatDaysApart = 4,
    StatStreak = 5,   // "keepdays"
    StatWeekdays = 6, // "weekdays"
};

// $XDG_DATA_HOME/6182/GameLogin
std::string InstallFolder();
// The statistics file inside the install folder.
std::string StatisticPath();
// The running program's folder joined with name; false (and "") when the program
// path has no folder.
bool MakeModulePath(std::string_view name, std::string& out);

int UpdateStatistic(int selector);

// Whole days from the date text ("y/m/d") to now, then taken with now's local
// time of day; today when the text holds no two different slashes.
std::int32_t DaysSince(const std::string& lastStart, std::int64_t now);
// The seven-day mask after a start days after the stored one.
int NextWeekdays(int stored, std::int32_t days);
// The four "DisableDays" bytes from two pseudo-random values and the milliseconds.
std::array<std::uint8_t, 4> ChooseDisableDays(std::uint32_t r1, std::uint32_t r2, std::uint32_t ms);

int WriteUpdTime();
int WriteDisableDays();
int IsAutoCheckDue();
int SetCacheLimit();

// Tests: forget the last-start date that this process has kept.
void ResetKeptLastStartForTesting();
