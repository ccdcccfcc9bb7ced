#include "app/RunMode.h"

#include <gtest/gtest.h>

namespace {
const std::string kFolder = "/home/u/.local/share/6182/GameLogin";
const std::string kDownload = "/home/u/Downloads/quillet3";

struct Case {
    std::vector<std::string> args;
    std::string program;
    int mode;
    std::uintptr_t parent;
    int tabs;
};

TEST(ClassifyRun, SwitchesValuesAndLocation) {
    const Case cases[] = {
        {{"q", "/web6182D"}, kDownload, WebPortal, 0, 0},
        {{"q", "/ORVN"}, kDownload, Shortcut, 0, 0},
        {{"q", "/Uninst"}, kDownload, Uninstall, 0, 0},
        {{"q", "/update", "ignored"}, kDownload, UpdateRestart, 0, 0},
        {{"q", "/gmhall", "/77"}, kDownload, GameHall, 77, 0},
        // The first character of each value is skipped, whatever it is.
        {{"q", "/newgm", "/1234", "/2"}, kDownload, NewGameWindow, 1234, 2},
        {{"q", "/newgm", "x99", "y1"}, kDownload, NewGameWindow, 99, 1},
        {{"q", "/newgm", "1234", "2"}, kDownload, NewGameWindow, 234, 0},
        // Values are cut to their buffers (15 and 7 characters) before reading.
        {{"q", "/newgm", "/12345678901234567", "/123456789"}, kDownload, NewGameWindow, 2147483647, 123456},
        {{"q", "/newgm"}, kDownload, NewGameWindow, 0, 0},
        // Not a switch: the location decides.
        {{"q", "/Orvn2"}, kDownload, FirstRun, 0, 0},
        {{"q", "/Orvn2"}, kFolder + "/quillet3", Installed, 0, 0},
        {{"q"}, kFolder + "/quillet3", Installed, 0, 0},
        {{"q"}, "/HOME/U/.LOCAL/SHARE/6182/gamelogin/quillet3", Installed, 0, 0},
        {{"q"}, kFolder + "/sub/quillet3", Installed, 0, 0},
        {{"q"}, kDownload, FirstRun, 0, 0},
        // A single argument is never a switch.
        {{"/Orvn"}, kDownload, FirstRun, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.size() > 1 ? c.args[1] + " from " + c.program : c.program);
        g_hParentWnd = 42;
        g_nParentTabs = 42;
        EXPECT_EQ(ClassifyRun(c.args, c.program, kFolder), c.mode);
        EXPECT_EQ(g_hParentWnd, c.parent);
        EXPECT_EQ(g_nParentTabs, c.tabs);
    }
}
} // namespace
