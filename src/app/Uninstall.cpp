#include "app/Uninstall.h"

// Uninstallation is not built yet: nothing is removed and nothing is reported.
void UninstallProgram(CQuillet3App&) {}
