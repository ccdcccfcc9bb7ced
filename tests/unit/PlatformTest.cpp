#include "platform/ShellFolders.h"
#include "platform/StartProcess.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

TEST(StartProcess, ChildRunsAtTheLowestPriorityWithItsArguments) {
    TempHome home;
    std::string out = home.Root() + "/out";
    ASSERT_TRUE(platform::StartProcess("/bin/sh -c \"nice > '" + out + ".tmp' && echo \\\"$0 $1\\\" >> '" +
                                       out + ".tmp' && mv '" + out + ".tmp' '" + out +
                                       "'\" \"two words\" x"));
    for (int i = 0; i < 200 && !std::filesystem::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(TempHome::ReadFile(out), "19\ntwo words x\n");
    EXPECT_FALSE(platform::StartProcess(std::string(home.Root() + "/no-such-program")));
    EXPECT_FALSE(platform::StartProcess(std::vector<std::string>{}));
}

TEST(ShellFolders, FollowTheXdgVariables) {
    TempHome home;
    std::string r = home.Root();
    EXPECT_EQ(platform::ShellFolders::LocalAppData(), r + "/data");
    EXPECT_EQ(platform::ShellFolders::AppData(), r + "/config");
    EXPECT_EQ(platform::ShellFolders::Programs(), r + "/data/applications");
    EXPECT_EQ(platform::ShellFolders::TempPath(), r + "/tmp/");
    EXPECT_EQ(platform::ShellFolders::Desktop(), r + "/home/Desktop");
    TempHome::WriteFile(r + "/config/user-dirs.dirs",
                        "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                        "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
    EXPECT_EQ(platform::ShellFolders::Desktop(), r + "/home/Schreibtisch");
    EXPECT_EQ(platform::ShellFolders::Personal(), "/srv/docs");
    TempHome::Set("XDG_DATA_HOME", "relative/not/allowed");
    EXPECT_EQ(platform::ShellFolders::LocalAppData(), r + "/home/.local/share");
}

} // namespace
