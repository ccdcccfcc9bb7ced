#include "web/GameProcess.h"

// The pages are not built yet.
bool InitWebEngine() {
    return true;
}

// Without a login page the login counts as cancelled.
int RunLoginBackground() {
    return 2;
}

// Without a game window the process ends.
bool CreateGameWindow(CQuillet3App&) {
    return false;
}
