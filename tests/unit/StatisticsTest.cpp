#include "app/Statistics.h"
#include "platform/Clock.h"
#include "platform/ProfileFile.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Milliseconds since 1970 of a local date and time (TZ is UTC unless a test sets it).
std::int64_t LocalMs(int y, int m, int d, int hour = 12) {
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = m - 1;
    tm.tm_mday = d;
    tm.tm_hour = hour;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm)) * 1000;
}

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home.InstallFolder());
        ResetKeptLastStartForTesting();
    }
    void TearDown() override {
        platform::SetClockForTesting(std::nullopt);
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    platform::ProfileFile Stats() { return platform::ProfileFile(StatisticPath()); }

    struct Report {
        int count, apartdays, keepdays, weekdays;
        bool operator==(const Report&) const = default;
    };
    // One start in modes 2 and 3: the four selectors in the order start-up calls them.
    Report Start() {
        int weekdays = UpdateStatistic(StatWeekdays);
        int keepdays = UpdateStatistic(StatStreak);
        int apartdays = UpdateStatistic(StatDaysApart);
        int count = UpdateStatistic(StatGame);
        return {count, apartdays, keepdays, weekdays};
    }

    TempHome home;
};

TEST_F(StatisticsTest, WorkedExamplesOfOneStart) {
    struct Case {
        const char* name;
        const char* file; // "" for no file at all
        std::int64_t now;
        Report report;
        const char* weekdays;
        const char* keepdays;
    };
    const std::int64_t now = LocalMs(2026, 12, 11);
    const Case cases[] = {
        {"first ever start", "", now, {1, 0, 1, 1}, "1", "1"},
        {"yesterday",
         "lstTime=2026/12/10\r\nweekdays=1\r\nkeepdays=4\r\nGame=7",
         now,
         {8, 0, 5, 2},
         "3",
         "5"},
        {"same day", "lstTime=2026/12/11\r\nweekdays=3\r\nkeepdays=5\r\nGame=8", now, {9, 0, 5, 2}, "3", "5"},
        {"three days ago", "lstTime=2026/12/8\r\nweekdays=5\r\nkeepdays=9", now, {1, 2, 1, 3}, "41", "1"},
        {"ten days ago", "lstTime=2026/12/1\r\nweekdays=127\r\nkeepdays=9", now, {1, 9, 1, 1}, "1", "1"},
        {"across a month",
         "lstTime=2026/11/30\r\nweekdays=1\r\nkeepdays=2",
         LocalMs(2026, 12, 1),
         {1, 0, 3, 2},
         "3",
         "3"},
        {"mask above 128", "lstTime=2026/12/11\r\nweekdays=200", now, {1, 0, 1, 1}, "1", "1"},
        {"mask 128 kept", "lstTime=2026/12/11\r\nweekdays=128", now, {1, 0, 1, 1}, "1", "1"},
        {"negative mask", "lstTime=2026/12/10\r\nweekdays=-3", now, {1, 0, 2, 1}, "1", "2"},
        {"clock set back", "lstTime=2026/12/12\r\nweekdays=3\r\nkeepdays=6", now, {1, -2, 1, 1}, "1", "1"},
        {"no slashes", "lstTime=20261201\r\nweekdays=3\r\nkeepdays=6", now, {1, 0, 6, 2}, "3", "6"},
        {"counter with junk", "lstTime=2026/12/11\r\nGame=41abc", now, {42, 0, 1, 1}, "1", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(StatisticPath());
        if (*c.file) TempHome::WriteFile(StatisticPath(), std::string("[Orvn]\r\n") + c.file + "\r\n");
        ResetKeptLastStartForTesting();
        platform::SetClockForTesting(c.now);
        EXPECT_EQ(Start(), c.report);
        EXPECT_EQ(Stats().GetString("Orvn", "weekdays", "?"), c.weekdays);
        EXPECT_EQ(Stats().GetString("Orvn", "keepdays", "?"), c.keepdays);
        char today[32];
        std::time_t t = static_cast<std::time_t>(c.now / 1000);
        std::tm tm{};
        localtime_r(&t, &tm);
        std::snprintf(today, sizeof today, "%d/%d/%d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
        EXPECT_EQ(Stats().GetString("Orvn", "lstTime", "?"), today);
    }
}

// Then is built with today's time of day, so the short day of the change to
// daylight-saving time counts as no whole day.
TEST_F(StatisticsTest, DaylightSavingChangeCountsOneDayLess) {
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    EXPECT_EQ(DaysSince("2026/3/28", LocalMs(2026, 3, 29, 12) / 1000), 0);
    EXPECT_EQ(DaysSince("2026/3/28", LocalMs(2026, 3, 30, 12) / 1000), 1);
    EXPECT_EQ(DaysSince("2026/10/24", LocalMs(2026, 10, 25, 12) / 1000), 1);
}

// The first computation of a process reads "lstTime"; later ones keep using it.
TEST_F(StatisticsTest, LastStartIsReadOncePerProcess) {
    TempHome::WriteFile(StatisticPath(), "[Orvn]\r\nlstTime=2026/12/8\r\nweekdays=1\r\n");
    platform::SetClockForTesting(LocalMs(2026, 12, 11));
    EXPECT_EQ(UpdateStatistic(StatDaysApart), 2);
    EXPECT_EQ(Stats().GetString("Orvn", "lstTime", ""), "2026/12/11");
    EXPECT_EQ(UpdateStatistic(StatDaysApart), 2); // still three days from the kept date
    EXPECT_EQ(UpdateStatistic(StatStreak), 1);
}

TEST_F(StatisticsTest, CountersAndOtherSelectors) {
    EXPECT_EQ(UpdateStatistic(StatPortalCount), 1);
    EXPECT_EQ(UpdateStatistic(StatPortalCount), 2);
    EXPECT_EQ(UpdateStatistic(StatInstall), 1);
    EXPECT_EQ(UpdateStatistic(StatUninstall), 1);
    EXPECT_EQ(UpdateStatistic(7), 0);
    EXPECT_EQ(UpdateStatistic(-1), 0);
    EXPECT_EQ(Stats().GetString("Orvn", "6182", ""), "2");
    EXPECT_EQ(Stats().GetString("Orvn", "Inst", ""), "1");
    EXPECT_EQ(Stats().GetString("Orvn", "UnInst", ""), "1");
}

TEST(DisableDays, WeekdaysFromRandomValuesAndMilliseconds) {
    using Bytes = std::array<std::uint8_t, 4>;
    EXPECT_EQ(ChooseDisableDays(41, 18467, 998), (Bytes{4, 6, 4, 0}));
    EXPECT_EQ(ChooseDisableDays(0, 0, 0), (Bytes{1, 0, 6, 0}));       // c and b both moved off a
    EXPECT_EQ(ChooseDisableDays(7, 14, 3), (Bytes{5, 4, 3, 0}));      // b moved off a
    EXPECT_EQ(ChooseDisableDays(32767, 1, 999), (Bytes{0, 2, 5, 0})); // unsigned wrap of 1 + 7 - 999
}

TEST(SettingsKeys, UpdateCheckDueAfterUpdTimeAndDisableDays) {
    TempHome home;
    // 2026-12-11 is a Friday (5).
    platform::SetClockForTesting(LocalMs(2026, 12, 11, 23));
    EXPECT_EQ(IsAutoCheckDue(), 1); // no values: due, and the key now exists
    EXPECT_TRUE(platform::SettingsStore::Open(kLauncherKey, false).has_value());

    ASSERT_EQ(WriteUpdTime(), 1);
    EXPECT_EQ(IsAutoCheckDue(), 0); // updated today (UTC)
    platform::SetClockForTesting(LocalMs(2026, 12, 12, 0));
    EXPECT_EQ(IsAutoCheckDue(), 1); // the next UTC day

    auto key = platform::SettingsStore::Open(kLauncherKey, false);
    key->SetBinary("DisableDays", {4, 6, 4, 0}); // Thursday and Saturday
    EXPECT_EQ(IsAutoCheckDue(), 0);              // 2026-12-12 is a Saturday
    platform::SetClockForTesting(LocalMs(2026, 12, 13, 12));
    EXPECT_EQ(IsAutoCheckDue(), 1);
    key->SetBinary("DisableDays", {0, 0, 0, 0}); // all zero disables nothing, not even Sunday
    EXPECT_EQ(IsAutoCheckDue(), 1);

    ASSERT_EQ(WriteDisableDays(), 1);
    auto days = key->GetBinary("DisableDays");
    ASSERT_TRUE(days && days->size() == 4);
    EXPECT_LT((*days)[0], 7);
    EXPECT_EQ((*days)[3], 0);

    ASSERT_EQ(SetCacheLimit(), 1);
    EXPECT_EQ(platform::SettingsStore::Open(kCacheKey, false)->GetDword("CacheLimit"), 1048576u);
    platform::SetClockForTesting(std::nullopt);
}

} // namespace
