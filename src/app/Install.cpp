#include "app/Install.h"

// Installation is not built yet: a first run copies nothing and writes no shortcut.
int InstallProgram() {
    return 1;
}

// The plug-in installer is not built yet.
void SetUpPlugin() {}
