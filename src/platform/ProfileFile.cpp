#include "platform/ProfileFile.h"

#include "platform/FileLock.h"
#include "platform/TextUtil.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
    const char* ws = " \t\r\n";
    auto b = s.find_first_not_of(ws);
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}

// "[name]" lines open a section; returns the section name for such a line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    auto t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

std::optional<std::pair<std::string_view, std::string_view>> KeyValueOf(std::string_view line) {
    auto t = Trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::make_pair(Trim(t.substr(0, eq)), Trim(t.substr(eq + 1)));
}

struct Location {
    bool sectionFound = false;
    std::size_t sectionEnd = 0; // index after the section's last key line
    std::optional<std::size_t> keyLine;
};

Location Locate(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    Location loc;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto s = SectionOf(lines[i])) {
            if (inSection) break; // the first matching section is the one used
            inSection = EqualsNoCase(*s, section);
            if (inSection) {
                loc.sectionFound = true;
                loc.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (auto kv = KeyValueOf(lines[i])) {
            loc.sectionEnd = i + 1;
            if (!loc.keyLine && EqualsNoCase(kv->first, key)) loc.keyLine = i;
        }
    }
    return loc;
}

std::string Unquote(std::string_view v) {
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Writes the lines to a temporary file beside the target and renames it over the target.
bool ReplaceFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string tmp = path + ".tmp." + std::to_string(::getpid());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    const char* p = text.data();
    std::size_t left = text.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (ok) ok = ::fdatasync(fd) == 0;
    ::close(fd);
    if (ok) ok = ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

} // namespace

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    std::vector<std::string> lines;
    if (!ReadLines(m_path, lines)) return std::nullopt;
    auto loc = Locate(lines, section, key);
    if (!loc.keyLine) return std::nullopt;
    return Unquote(KeyValueOf(lines[*loc.keyLine])->second);
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view def,
                                   std::size_t bufferChars) const {
    auto v = Find(section, key);
    std::string value = v ? *v : std::string(Trim(def));
    if (bufferChars == 0) return {};
    return TruncateCodePoints(value, bufferChars - 1);
}

int ProfileFile::GetInt(std::string_view section, std::string_view key, int def) const {
    auto v = Find(section, key);
    if (!v) return def;
    return static_cast<int>(WcstolBase10(*v));
}

bool ProfileFile::Update(
    std::string_view section, std::string_view key,
    const std::function<std::optional<std::string>(const std::optional<std::string>&)>& change) {
    FileLock lock(m_path);
    if (!lock.Held()) return false;
    std::vector<std::string> lines;
    ReadLines(m_path, lines); // a missing file is an empty one
    auto loc = Locate(lines, section, key);
    std::optional<std::string> current;
    if (loc.keyLine) current = Unquote(KeyValueOf(lines[*loc.keyLine])->second);
    auto next = change(current);
    if (!next) return true;
    std::string line = std::string(key) + "=" + *next;
    if (loc.keyLine) {
        lines[*loc.keyLine] = line;
    } else if (loc.sectionFound) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(loc.sectionEnd), line);
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(line);
    }
    return ReplaceFile(m_path, lines);
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string v(value);
    return Update(section, key, [&](const std::optional<std::string>&) { return v; });
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    FileLock lock(m_path);
    if (!lock.Held()) return false;
    std::vector<std::string> lines;
    if (!ReadLines(m_path, lines)) return true;
    auto loc = Locate(lines, section, key);
    if (!loc.keyLine) return true;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*loc.keyLine));
    return ReplaceFile(m_path, lines);
}

} // namespace platform
