#pragma once
// Named keys holding binary and 32-bit values, standing in for registry keys.
// One file per key under $XDG_CONFIG_HOME/6182/GameLogin/, written with the
// locked, atomic profile-file writes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class SettingsStore {
public:
    // Opens a key; with create, a missing key (and its folder) is created first,
    // as RegCreateKeyEx does. Returns nullopt when the key cannot be opened.
    static std::optional<SettingsStore> Open(const std::string& keyName, bool create);
    // Removes the key with all its values; true when it no longer exists.
    static bool DeleteKey(const std::string& keyName);
    static std::string Folder();

    bool SetBinary(const std::string& value, const std::vector<std::uint8_t>& bytes);
    // The stored bytes; nullopt when the value is missing or not binary.
    std::optional<std::vector<std::uint8_t>> GetBinary(const std::string& value) const;
    bool SetDword(const std::string& value, std::uint32_t v);
    std::optional<std::uint32_t> GetDword(const std::string& value) const;

    const std::string& Path() const { return m_path; }

private:
    explicit SettingsStore(std::string path) : m_path(std::move(path)) {}
    std::string m_path;
};

} // namespace platform
