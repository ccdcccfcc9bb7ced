// Real launcher processes against the local portal under Xvfb.
#include "platform/ProfileFile.h"
#include "support/Desktop.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
const std::string kLauncher = std::string(ORVANE_BUILD_DIR) + "/quillet3";

class StartupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        desktop = new Desktop;
        portalFolder = new TempHome;
        portal = new Portal(portalFolder->Root());
    }
    static void TearDownTestSuite() {
        delete portal;
        delete portalFolder;
        delete desktop;
    }
    void SetUp() override {
        ASSERT_FALSE(desktop->Display().empty()) << "Xvfb did not start";
        ASSERT_NE(portal->Port(), 0) << "the portal did not start";
        logStart = portal->LogLines().size();
    }
    // Requests the portal received since the test began.
    std::vector<std::string> NewRequests() const {
        auto all = portal->LogLines();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(logStart), all.end());
    }
    static std::string Stat(const LauncherHome& h, const char* key) {
        return platform::ProfileFile(h.StatisticPath()).GetString("Orvn", key, "-");
    }

    static Desktop* desktop;
    static TempHome* portalFolder;
    static Portal* portal;
    std::size_t logStart = 0;
};
Desktop* StartupTest::desktop = nullptr;
TempHome* StartupTest::portalFolder = nullptr;
Portal* StartupTest::portal = nullptr;

std::string DateDaysAgo(int days) {
    std::time_t t = std::time(nullptr) - days * 86400;
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buf;
}

TEST_F(StartupTest, PortalShortcutCountsOpensHomePageReportsOnceAndExits) {
    LauncherHome home(*desktop, *portal);
    std::filesystem::create_directories(home.InstallFolder());
    TempHome::WriteFile(home.StatisticPath(), "[Orvn]\r\n6182=4\r\nGame=9\r\n");
    auto launcher = home.Run(kLauncher, {"/web6182D"});
    ASSERT_EQ(launcher->Wait(20s), 0);
    EXPECT_EQ(Stat(home, "6182"), "5");
    EXPECT_EQ(Stat(home, "Game"), "9");
    EXPECT_EQ(home.Opened(), portal->Base() + "\n");

    auto requests = NewRequests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& r = requests[0];
    EXPECT_NE(r.find("\"target\":\"/active.htm?tag=web6182&ver=3.0.0.1&count=5\""), std::string::npos) << r;
    EXPECT_NE(r.find("\"User-Agent\":\"ZEZ\""), std::string::npos) << r;
    EXPECT_NE(r.find("\"Accept-Language\":\"zh-cn\""), std::string::npos) << r;
    EXPECT_NE(r.find("\"Content-Type\":\"application/x-www-form-urlencoded\""), std::string::npos) << r;
}

TEST_F(StartupTest, InstalledCopyUpdatesStatisticsAndSendsActivation) {
    LauncherHome home(*desktop, *portal);
    std::string installed = home.InstallCopy();
    TempHome::WriteFile(home.StatisticPath(),
                        "[Orvn]\r\nlstTime=" + DateDaysAgo(3) +
                            "\r\nweekdays=5\r\nkeepdays=6\r\nGame=2\r\nShortKey=0,121\r\n");
    auto launcher = home.Run(installed, {});
    ASSERT_EQ(launcher->Wait(20s), 0);

    auto requests = NewRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(
        requests[0].find(
            "\"target\":\"/active.htm?tag=orvn&ver=3.0.0.1&count=3&apartdays=2&keepdays=1&weekdays=3\""),
        std::string::npos)
        << requests[0];
    EXPECT_EQ(Stat(home, "lstTime"), DateDaysAgo(0));
    EXPECT_EQ(Stat(home, "weekdays"), "41");
    EXPECT_EQ(Stat(home, "keepdays"), "1");
    EXPECT_EQ(Stat(home, "Game"), "3");
    EXPECT_EQ(Stat(home, "ShortKey"), "0,121"); // another owner's key stays
    // The cache limit for the web engine.
    EXPECT_NE(TempHome::ReadFile(home.Home().Root() + "/config/6182/GameLogin/CacheContent.key")
                  .find("CacheLimit=dword:1048576"),
              std::string::npos);
}

TEST_F(StartupTest, FirstEverStartFromInstallFolderReportsFirstValues) {
    LauncherHome home(*desktop, *portal);
    std::string installed = home.InstallCopy();
    auto launcher = home.Run(installed, {});
    ASSERT_EQ(launcher->Wait(20s), 0);
    auto requests = NewRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].find("count=1&apartdays=0&keepdays=1&weekdays=1\""), std::string::npos)
        << requests[0];
}

TEST_F(StartupTest, WithoutNetworkOnlyTheMessageAppearsAndNothingIsWritten) {
    // A probe site where nobody listens.
    LauncherHome home(*desktop, *portal, "http://127.0.0.1:9/");
    std::string installed = home.InstallCopy();
    auto launcher = home.Run(installed, {"/Orvn"});
    ASSERT_TRUE(desktop->WaitForWindow("^6182Orvane$", 20s));
    EXPECT_TRUE(launcher->Running());
    EXPECT_FALSE(std::filesystem::exists(home.StatisticPath()));
    EXPECT_FALSE(std::filesystem::exists(home.Home().Root() + "/config/6182"));
    EXPECT_TRUE(NewRequests().empty());
    launcher->Terminate();
    launcher->Wait(10s);
}

} // namespace
