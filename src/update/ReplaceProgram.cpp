#include "update/ReplaceProgram.h"

// The update download is not built yet: nothing is replaced.
bool ReplaceProgram(CQuillet3App&) {
    return false;
}
