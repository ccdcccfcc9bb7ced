#include "platform/ProfileFile.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ProfileFile, ReadsLikePrivateProfileCalls) {
    TempHome home;
    std::string path = home.Root() + "/a.ini";
    TempHome::WriteFile(path,
                        "; comment\r\n[Other]\r\nkey=other\r\n[ORVN]\r\n  Game = 12 \r\nquoted=\"x y\"\r\n"
                        "neg=-3\r\ntext=abc\r\n");
    platform::ProfileFile f(path);
    EXPECT_EQ(f.GetString("Orvn", "game", "0"), "12");
    EXPECT_EQ(f.GetString("orvn", "missing", "dflt"), "dflt");
    EXPECT_EQ(f.GetString("Orvn", "quoted", ""), "x y");
    EXPECT_EQ(f.GetString("Nowhere", "Game", "0"), "0");
    EXPECT_EQ(f.GetString("Orvn", "Game", "0", 2), "1"); // cut to the buffer
    EXPECT_EQ(f.GetString("Orvn", "Game", "0", 0), "");
    EXPECT_EQ(f.GetInt("Orvn", "Game", 7), 12);
    EXPECT_EQ(f.GetInt("Orvn", "neg", 7), -3);
    EXPECT_EQ(f.GetInt("Orvn", "text", 7), 0);
    EXPECT_EQ(f.GetInt("Orvn", "none", 7), 7);
    EXPECT_EQ(platform::ProfileFile(home.Root() + "/missing.ini").GetString("Orvn", "Game", "0"), "0");
}

TEST(ProfileFile, WritesKeepEveryOtherLine) {
    TempHome home;
    std::string path = home.Root() + "/a.ini";
    TempHome::WriteFile(path, "; keep me\r\n[Orvn]\r\nGame=1\r\n\r\n[Tail]\r\nx=1\r\n");
    platform::ProfileFile f(path);
    ASSERT_TRUE(f.WriteString("orvn", "GAME", "2"));     // replaced in place, case kept as written
    ASSERT_TRUE(f.WriteString("Orvn", "weekdays", "3")); // appended to its section
    ASSERT_TRUE(f.WriteString("New", "k", "v"));         // a new section at the end
    EXPECT_EQ(TempHome::ReadFile(path),
              "; keep me\r\n[Orvn]\r\nGAME=2\r\nweekdays=3\r\n\r\n[Tail]\r\nx=1\r\n[New]\r\nk=v\r\n");
    ASSERT_TRUE(f.DeleteKey("Orvn", "weekdays"));
    EXPECT_EQ(f.GetString("Orvn", "weekdays", "gone"), "gone");
    // A file is created, its folder is not.
    EXPECT_FALSE(platform::ProfileFile(home.Root() + "/no/such/folder/a.ini").WriteString("S", "k", "v"));
}

// Twenty processes each increase one counter fifty times and write a key of
// their own in between: no increase and no key may be lost.
TEST(ProfileFile, ConcurrentProcessesLoseNothing) {
    TempHome home;
    std::string path = home.Root() + "/Statistic.ini";
    constexpr int kProcesses = 20, kRounds = 50;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            platform::ProfileFile f(path);
            bool ok = true;
            for (int i = 0; i < kRounds; ++i) {
                ok &= f.Update("Orvn", "Game", [](const std::optional<std::string>& v) {
                    return std::to_string(std::stoi(v.value_or("0")) + 1);
                });
                ok &= f.WriteString("Orvn", "p" + std::to_string(p), std::to_string(i));
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    platform::ProfileFile f(path);
    EXPECT_EQ(f.GetInt("Orvn", "Game", 0), kProcesses * kRounds);
    for (int p = 0; p < kProcesses; ++p)
        EXPECT_EQ(f.GetInt("Orvn", "p" + std::to_string(p), -1), kRounds - 1);
}

} // namespace
