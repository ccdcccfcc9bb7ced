#include "platform/StartProcess.h"

#include <cerrno>
#include <climits>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {

std::vector<std::string> SplitCommandLine(std::string_view s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i >= s.size()) break;
        std::string arg;
        bool quoted = false;
        while (i < s.size()) {
            char c = s[i];
            if (!quoted && (c == ' ' || c == '\t')) break;
            if (c == '\\') {
                std::size_t n = 0;
                while (i < s.size() && s[i] == '\\')
                    ++n, ++i;
                if (i < s.size() && s[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(n, '\\');
                }
                continue;
            }
            if (c == '"') {
                // Inside quotes, "" gives a literal quote (as the C runtime does).
                if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += c;
            ++i;
        }
        out.push_back(std::move(arg));
    }
    return out;
}

std::string QuoteArgument(std::string_view arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string_view::npos) return std::string(arg);
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            out.append(backslashes * 2 + 1, '\\');
        } else {
            out.append(backslashes, '\\');
        }
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    out += '"';
    return out;
}

bool StartProcess(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return false;
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    // The spawn runs on a thread of its own that first drops to the lowest
    // priority: Linux keeps nice values per thread and the child inherits the
    // spawning thread's, so it never runs a moment above nice 19.
    pid_t pid = -1;
    int rc = 0;
    bool hasSlash = argv[0].find('/') != std::string::npos;
    std::thread([&] {
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 19);
        rc = hasSlash ? posix_spawn(&pid, args[0], &actions, &attr, args.data(), environ)
                      : posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ);
    }).join();
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return false;
    std::thread([pid] {
        int status;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

bool StartProcess(std::string_view commandLine) {
    return StartProcess(SplitCommandLine(commandLine));
}

std::string ProgramPath() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    return std::string(buf, static_cast<std::size_t>(n));
}

} // namespace platform
