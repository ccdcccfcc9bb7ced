#pragma once
// A temporary home: HOME and the XDG folders point into a fresh folder for the
// lifetime of the object, and the folder is removed afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempHome {
public:
    TempHome() {
        char tmpl[] = "/tmp/orvane-test-XXXXXX";
        m_root = ::mkdtemp(tmpl);
        Set("HOME", m_root + "/home");
        Set("XDG_DATA_HOME", m_root + "/data");
        Set("XDG_CONFIG_HOME", m_root + "/config");
        Set("TMPDIR", m_root + "/tmp");
        for (auto d : {"/home", "/data", "/config", "/tmp"})
            std::filesystem::create_directories(m_root + d);
    }
    ~TempHome() {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    const std::string& Root() const { return m_root; }
    std::string InstallFolder() const { return m_root + "/data/6182/GameLogin"; }

    static void Set(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void WriteFile(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

private:
    std::string m_root;
};
