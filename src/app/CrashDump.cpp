#include "app/CrashDump.h"

// The dump writer is not built yet: a crash ends the process without a dump.
void InstallCrashFilter() {}
