#pragma once
#include <cstdint>
class CQuillet3App;
// Runs the launcher's main window until the user quits.
int RunMainWindow(CQuillet3App& app);
// Asks the main window of a game-tab process to close (the login was cancelled).
void PostCloseToMainWindow(std::uintptr_t mainWindow);
