#include "app/Quillet3App.h"

// The update check is not built yet: it always answers that no newer program exists.
int CQuillet3App::CheckForUpdate(int) {
    return 0;
}
