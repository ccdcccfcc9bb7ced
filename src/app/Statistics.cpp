#include "app/Statistics.h"

#include "platform/Clock.h"
#include "platform/ProfileFile.h"
#include "platform/SettingsStore.h"
#include "platform/ShellFolders.h"
#include "platform/StartProcess.h"
#include "platform/TextUtil.h"

#include <bit>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <random>

namespace {

// The last-start date as the first computation of this process read it.
std::mutex g_keptMutex;
std::string g_keptLastStart;

std::string KeptLastStart() {
    std::lock_guard<std::mutex> l(g_keptMutex);
    if (g_keptLastStart.empty())
        g_keptLastStart = platform::ProfileFile(StatisticPath()).GetString(kStatSection, "lstTime", "0", 16);
    return g_keptLastStart;
}

platform::ProfileFile Stats() {
    return platform::ProfileFile(StatisticPath());
}

std::string TodayText(std::int64_t now) {
    std::time_t t = static_cast<std::time_t>(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buf;
}

void WriteLastStart(std::int64_t now) {
    Stats().WriteString(kStatSection, "lstTime", TodayText(now));
}

// Counter increase: the read and the write happen under one lock, so no start of
// another process is lost between them.
int IncreaseCounter(const char* key) {
    std::uint32_t value = 0;
    Stats().Update(kStatSection, key, [&](const std::optional<std::string>& current) {
        value = static_cast<std::uint32_t>(platform::WcstolBase10(current.value_or("0"))) + 1;
        return std::to_string(value);
    });
    return static_cast<int>(value);
}

} // namespace

std::string InstallFolder() {
    return platform::ShellFolders::LocalAppData() + "/6182/GameLogin";
}

std::string StatisticPath() {
    return InstallFolder() + "/Statistic.ini";
}

bool MakeModulePath(std::string_view name, std::string& out) {
    std::string program = platform::ProgramPath();
    auto slash = program.find_last_of('/');
    if (slash == std::string::npos) {
        out.clear();
        return false;
    }
    out = program.substr(0, slash + 1) + std::string(name);
    return true;
}

std::int32_t DaysSince(const std::string& lastStart, std::int64_t now) {
    std::time_t nowT = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&nowT, &local);
    std::tm then = local;
    auto first = lastStart.find('/');
    auto last = lastStart.rfind('/');
    if (first != std::string::npos && first != last) {
        then.tm_year = platform::WcstolBase10(std::string_view(lastStart).substr(0, first)) - 1900;
        then.tm_mon =
            platform::WcstolBase10(std::string_view(lastStart).substr(first + 1, last - first - 1)) - 1;
        then.tm_mday = platform::WcstolBase10(std::string_view(lastStart).substr(last + 1));
    }
    then.tm_isdst = -1;
    std::time_t thenT = std::mktime(&then);
    if (thenT == static_cast<std::time_t>(-1)) thenT = nowT; // not a date mktime can place
    return static_cast<std::int32_t>((now - static_cast<std::int64_t>(thenT)) / 86400);
}

int NextWeekdays(int stored, std::int32_t days) {
    std::uint32_t value = static_cast<std::uint32_t>(stored) > 128 ? 0 : static_cast<std::uint32_t>(stored);
    std::uint32_t shifted = (days >= 0 && days <= 6) ? value << days : 0;
    return static_cast<int>((shifted & 0x7E) | 1);
}

int UpdateStatistic(int selector) {
    switch (selector) {
    case StatPortalCount:
        return IncreaseCounter("6182");
    case StatInstall:
        return IncreaseCounter("Inst");
    case StatUninstall:
        return IncreaseCounter("UnInst");
    case StatGame:
        return IncreaseCounter("Game");
    case StatDaysApart: {
        std::int64_t now = platform::NowSeconds();
        std::int32_t days = DaysSince(KeptLastStart(), now);
        WriteLastStart(now);
        return static_cast<std::uint32_t>(days) >= 2 ? days - 1 : 0;
    }
    case StatStreak: {
        std::int64_t now = platform::NowSeconds();
        std::int32_t days = DaysSince(KeptLastStart(), now);
        WriteLastStart(now);
        std::uint32_t streak = 1;
        if (static_cast<std::uint32_t>(days) < 2) {
            streak = static_cast<std::uint32_t>(
                platform::WcstolBase10(Stats().GetString(kStatSection, "keepdays", "1")));
            if (days == 1) ++streak;
        }
        Stats().WriteString(kStatSection, "keepdays", std::to_string(streak));
        return static_cast<int>(streak);
    }
    case StatWeekdays: {
        int stored = Stats().GetInt(kStatSection, "weekdays", 0);
        int mask = NextWeekdays(stored, DaysSince(KeptLastStart(), platform::NowSeconds()));
        Stats().WriteString(kStatSection, "weekdays", std::to_string(mask));
        return std::popcount(static_cast<unsigned>(mask));
    }
    default:
        return 0;
    }
}

std::array<std::uint8_t, 4> ChooseDisableDays(std::uint32_t r1, std::uint32_t r2, std::uint32_t ms) {
    std::uint32_t a = (r1 + 7 - ms) % 7;
    std::uint32_t b = (r2 + 7 - ms) % 7;
    std::uint32_t c = ms % 7;
    if (c == a) c = (c + 6) % 7;
    if (b == a) b = (b + 1) % 7;
    return {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(c), 0};
}

int WriteUpdTime() {
    auto key = platform::SettingsStore::Open(kLauncherKey, true);
    if (!key) return 0;
    platform::SystemTime st = platform::UtcNow();
    const std::uint16_t fields[8] = {st.year, st.month,  st.dayOfWeek, st.day,
                                     st.hour, st.minute, st.second,    st.milliseconds};
    std::vector<std::uint8_t> bytes;
    for (auto f : fields) {
        bytes.push_back(static_cast<std::uint8_t>(f & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(f >> 8));
    }
    return key->SetBinary("UpdTime", bytes) ? 1 : 0;
}

int WriteDisableDays() {
    auto key = platform::SettingsStore::Open(kLauncherKey, true);
    if (!key) return 0;
    std::uint32_t ms = platform::UtcNow().milliseconds;
    // Seeded, so that installations spread their weekdays beyond the milliseconds.
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::uint32_t> rand15(0, 32767);
    std::uint32_t r1 = rand15(generator);
    std::uint32_t r2 = rand15(generator);
    auto days = ChooseDisableDays(r1, r2, ms);
    return key->SetBinary("DisableDays", std::vector<std::uint8_t>(days.begin(), days.end())) ? 1 : 0;
}

int IsAutoCheckDue() {
    auto key = platform::SettingsStore::Open(kLauncherKey, true);
    if (!key) return 0;
    std::uint8_t upd[16] = {};
    if (auto v = key->GetBinary("UpdTime"))
        for (std::size_t i = 0; i < v->size() && i < sizeof upd; ++i)
            upd[i] = (*v)[i];
    auto field = [&](int i) { return static_cast<std::uint16_t>(upd[2 * i] | (upd[2 * i + 1] << 8)); };
    platform::SystemTime now = platform::UtcNow();
    if (field(0) == now.year && field(1) == now.month && field(3) == now.day) return 0;
    std::uint8_t dis[4] = {};
    if (auto v = key->GetBinary("DisableDays"))
        for (std::size_t i = 0; i < v->size() && i < sizeof dis; ++i)
            dis[i] = (*v)[i];
    bool any = dis[0] || dis[1] || dis[2] || dis[3];
    if (any && (now.dayOfWeek == dis[0] || now.dayOfWeek == dis[1] || now.dayOfWeek == dis[2])) return 0;
    return 1;
}

int SetCacheLimit() {
    // The system's cache key always exists where the browser runs; here the web
    // engine's own key is made on first use.
    auto key = platform::SettingsStore::Open(kCacheKey, true);
    if (!key) return 0;
    return key->SetDword("CacheLimit", kCacheLimit) ? 1 : 0;
}

void ResetKeptLastStartForTesting() {
    std::lock_guard<std::mutex> l(g_keptMutex);
    g_keptLastStart.clear();
}
