#include "platform/SettingsStore.h"

#include "platform/ProfileFile.h"
#include "platform/ShellFolders.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {
constexpr const char* kSection = "Values";

std::string KeyPath(const std::string& keyName) {
    return SettingsStore::Folder() + "/" + keyName + ".key";
}
} // namespace

std::string SettingsStore::Folder() {
    return ShellFolders::AppData() + "/6182/GameLogin";
}

std::optional<SettingsStore> SettingsStore::Open(const std::string& keyName, bool create) {
    std::string path = KeyPath(keyName);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return SettingsStore(path);
    if (!create) return std::nullopt;
    std::filesystem::create_directories(Folder(), ec);
    if (std::FILE* f = std::fopen(path.c_str(), "ab")) {
        std::fclose(f);
        return SettingsStore(path);
    }
    return std::nullopt;
}

bool SettingsStore::DeleteKey(const std::string& keyName) {
    std::error_code ec;
    std::filesystem::remove(KeyPath(keyName), ec);
    return !std::filesystem::exists(KeyPath(keyName), ec);
}

bool SettingsStore::SetBinary(const std::string& value, const std::vector<std::uint8_t>& bytes) {
    std::string text = "hex:";
    char buf[4];
    for (auto b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        text += buf;
    }
    return ProfileFile(m_path).WriteString(kSection, value, text);
}

std::optional<std::vector<std::uint8_t>> SettingsStore::GetBinary(const std::string& value) const {
    auto text = ProfileFile(m_path).Find(kSection, value);
    if (!text || text->rfind("hex:", 0) != 0 || text->size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> out;
    for (std::size_t i = 4; i + 1 < text->size(); i += 2) {
        unsigned v = 0;
        if (std::sscanf(text->c_str() + i, "%2x", &v) != 1) return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(v));
    }
    return out;
}

bool SettingsStore::SetDword(const std::string& value, std::uint32_t v) {
    return ProfileFile(m_path).WriteString(kSection, value, "dword:" + std::to_string(v));
}

std::optional<std::uint32_t> SettingsStore::GetDword(const std::string& value) const {
    auto text = ProfileFile(m_path).Find(kSection, value);
    if (!text || text->rfind("dword:", 0) != 0) return std::nullopt;
    try {
        return static_cast<std::uint32_t>(std::stoul(text->substr(6)));
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace platform
