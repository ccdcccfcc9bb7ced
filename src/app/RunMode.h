#pragma once
// The eight run modes and the classification of a start.
#include <cstdint>
#include <string>
#include <vector>

enum RunMode {
    FirstRun = 0,      // no switch, program file outside the install folder
    WebPortal = 1,     // "/web6182D"
    Shortcut = 2,      // "/Orvn"
    Installed = 3,     // no switch, program file inside the install folder
    Uninstall = 4,     // "/uninst"
    UpdateRestart = 5, // "/update"
    NewGameWindow = 6, // "/newgm" /<main window> /<tab count>
    GameHall = 7,      // "/gmhall" /<window>
};

// The main window that this process's login page and game window report to, and
// its tab count; set by ClassifyRun from "/newgm" and "/gmhall", 0 otherwise.
extern std::uintptr_t g_hParentWnd;
extern int g_nParentTabs;

// The classification itself: args[0] is the program, the rest its arguments.
int ClassifyRun(const std::vector<std::string>& args, const std::string& programPath,
                const std::string& installFolder);
// The classification of this process (its arguments, its program file and the
// user's install folder). May be called again; it only sets the two values above.
int ClassifyRun();

// Keeps the process's arguments for ClassifyRun().
void SetProcessArguments(int argc, char** argv);
