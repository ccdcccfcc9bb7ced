#pragma once
#include <string>

namespace platform {
// Opens an address in the user's web browser.
bool OpenAddress(const std::string& address);
} // namespace platform
