#pragma once
// Private-profile INI files: sections and keys matched without regard to case,
// values read with a default and cut to the caller's buffer length, every other
// line of the file kept as it is. Writes are serialised between processes by an
// advisory lock on the file's folder and replace the file atomically, so
// concurrent launcher processes never lose or tear each other's values.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class ProfileFile {
public:
    explicit ProfileFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    // GetPrivateProfileString: the value, or def when the key is missing; at most
    // bufferChars - 1 characters (UTF-8 code points) are returned, none for 0.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def,
                          std::size_t bufferChars = 4096) const;
    // GetPrivateProfileInt: leading decimal digits (optional sign) of the value,
    // def when the key is missing, 0 when the value has no digits.
    int GetInt(std::string_view section, std::string_view key, int def) const;
    // Raw lookup: nullopt when the key does not exist.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // WritePrivateProfileString. Creates the file, not its folder.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Deletes one key; true when the file is left without it.
    bool DeleteKey(std::string_view section, std::string_view key);

    // Read-modify-write of one key under the write lock: change receives the
    // current value (nullopt if missing) and returns the value to store. Nothing
    // is written when the change returns nullopt.
    bool Update(std::string_view section, std::string_view key,
                const std::function<std::optional<std::string>(const std::optional<std::string>&)>& change);

private:
    std::string m_path;
};

} // namespace platform
