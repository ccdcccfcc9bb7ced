#pragma once
// Starting programs: detached, at the lowest priority, inheriting no descriptors.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a command line the way the Windows C runtime does: blanks separate
// arguments, "..." groups, 2n backslashes before a quote give n backslashes and a
// quote, 2n+1 give n backslashes and a literal quote, other backslashes are literal.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// Quotes one argument so that SplitCommandLine gives it back unchanged.
std::string QuoteArgument(std::string_view arg);

// Starts argv[0] with the arguments; the child runs in a session of its own at
// nice 19 and is reaped in the background. False when it could not be started.
bool StartProcess(const std::vector<std::string>& argv);
bool StartProcess(std::string_view commandLine);

// The running program file's full path.
std::string ProgramPath();

} // namespace platform
