#include "platform/ShellFolders.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace platform::ShellFolders {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// Absolute values only, as the XDG rules ask; anything else falls back.
std::string EnvDir(const char* name, const std::string& fallback) {
    std::string v = Env(name);
    return (!v.empty() && v.front() == '/') ? v : fallback;
}

// One entry of user-dirs.dirs: XDG_DESKTOP_DIR="$HOME/Desktop".
std::string UserDir(const char* key, const std::string& fallback) {
    std::ifstream in(AppData() + "/user-dirs.dirs");
    std::string line, prefix = std::string(key) + "=";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        std::string v = line.substr(prefix.size());
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        if (v.rfind("$HOME", 0) == 0) v = Home() + v.substr(5);
        if (!v.empty() && v.front() == '/') return v;
    }
    return fallback;
}

} // namespace

std::string Home() {
    std::string h = Env("HOME");
    if (!h.empty()) return h;
    if (const passwd* pw = ::getpwuid(::getuid())) return pw->pw_dir;
    return "/";
}

std::string LocalAppData() {
    return EnvDir("XDG_DATA_HOME", Home() + "/.local/share");
}
std::string AppData() {
    return EnvDir("XDG_CONFIG_HOME", Home() + "/.config");
}
std::string Desktop() {
    return UserDir("XDG_DESKTOP_DIR", Home() + "/Desktop");
}
std::string Personal() {
    return UserDir("XDG_DOCUMENTS_DIR", Home() + "/Documents");
}
std::string Programs() {
    return LocalAppData() + "/applications";
}
std::string Favorites() {
    return Home() + "/Favorites";
}

std::string TempPath() {
    std::string t = EnvDir("TMPDIR", "/tmp");
    if (t.back() != '/') t += '/';
    return t;
}

} // namespace platform::ShellFolders
