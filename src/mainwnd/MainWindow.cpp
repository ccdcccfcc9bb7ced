#include "mainwnd/MainWindow.h"

// The main window is not built yet: the launcher ends after its start-up work.
int RunMainWindow(CQuillet3App&) {
    return 0;
}

// There is no main window to tell yet.
void PostCloseToMainWindow(std::uintptr_t) {}
