#pragma once
// An X server (Xvfb) with a window manager, and the local portal, for one test
// suite; plus a temporary home whose Portal.ini points at the portal.
#include "support/Process.h"
#include "support/TempHome.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#ifndef ORVANE_BUILD_DIR
#error "ORVANE_BUILD_DIR must name the build folder"
#endif

class Desktop {
public:
    // A bare X server when withWindowManager is false.
    explicit Desktop(bool withWindowManager = true) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        std::string fd = std::to_string(fds[1]);
        m_xvfb = std::make_unique<ChildProcess>(std::vector<std::string>{
            "sh", "-c", "exec Xvfb -displayfd " + fd + " -screen 0 1280x800x24 -nolisten tcp 2>/dev/null"});
        ::close(fds[1]);
        char buf[16] = {};
        ssize_t n = ::read(fds[0], buf, sizeof buf - 1);
        ::close(fds[0]);
        if (n > 0) m_display = ":" + std::to_string(std::atoi(buf));
        if (withWindowManager && !m_display.empty()) {
            m_wm = std::make_unique<ChildProcess>(std::vector<std::string>{"openbox"},
                                                  std::map<std::string, std::string>{{"DISPLAY", m_display}});
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    }
    const std::string& Display() const { return m_display; }
    std::string Xdo(const std::string& args) const {
        return Capture("DISPLAY=" + m_display + " xdotool " + args + " 2>/dev/null");
    }
    // Window ids whose name matches, as xdotool lists them.
    std::vector<std::string> Windows(const std::string& name) const {
        std::vector<std::string> ids;
        std::istringstream in(Xdo("search --onlyvisible --name '" + name + "'"));
        for (std::string id; in >> id;)
            ids.push_back(id);
        return ids;
    }
    bool WaitForWindow(const std::string& name, std::chrono::milliseconds timeout) const {
        auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            if (!Windows(name).empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    struct Geometry {
        int x = -1, y = -1, w = 0, h = 0;
    };
    // Where a window lies on the screen, as xdotool reads it.
    Geometry WindowGeometry(const std::string& id) const {
        Geometry g;
        std::istringstream in(Xdo("getwindowgeometry --shell " + id));
        for (std::string line; std::getline(in, line);) {
            auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            int v = std::atoi(line.c_str() + eq + 1);
            std::string k = line.substr(0, eq);
            if (k == "X") g.x = v;
            if (k == "Y") g.y = v;
            if (k == "WIDTH") g.w = v;
            if (k == "HEIGHT") g.h = v;
        }
        return g;
    }
    void Screenshot(const std::string& path) const {
        Capture("DISPLAY=" + m_display + " import -window root '" + path + "' 2>/dev/null");
    }

private:
    std::unique_ptr<ChildProcess> m_xvfb, m_wm;
    std::string m_display;
};

class Portal {
public:
    explicit Portal(const std::string& folder) : m_log(folder + "/portal-requests.log") {
        std::string portFile = folder + "/portal.port";
        m_process = std::make_unique<ChildProcess>(
            std::vector<std::string>{std::string(ORVANE_BUILD_DIR) + "/orvane-portal", "--port-file",
                                     portFile, "--log", m_log},
            std::map<std::string, std::string>{}, folder + "/portal.out");
        for (int i = 0; i < 200 && m_port == 0; ++i) {
            std::ifstream in(portFile);
            in >> m_port;
            if (m_port == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    int Port() const { return m_port; }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::ifstream in(m_log);
        for (std::string l; std::getline(in, l);)
            if (!l.empty()) lines.push_back(l);
        return lines;
    }

private:
    std::string m_log;
    int m_port = 0;
    std::unique_ptr<ChildProcess> m_process;
};

// A launcher's world: a temporary home, a Portal.ini naming the local portal and
// the environment a launcher process runs with.
class LauncherHome {
public:
    LauncherHome(const Desktop& desktop, const Portal& portal, const std::string& probeSite = "") {
        m_ini = m_home.Root() + "/Portal.ini";
        std::string host = "127.0.0.1:" + std::to_string(portal.Port());
        std::ofstream(m_ini) << "[Portal]\nStatHost=" << host << "\nUserHost=" << host
                             << "\nExtLoginHost=" << host << "\nQQOAuthHost=" << host
                             << "\nHomePage=" << portal.Base()
                             << "\nProbeSite=" << (probeSite.empty() ? portal.Base() : probeSite)
                             << "\nAllowDomains=127.0.0.1,localhost,6182yx.com\n";
        // The user's browser: a stand-in that notes what it was asked to open.
        std::filesystem::create_directories(m_home.Root() + "/bin");
        std::string opener = m_home.Root() + "/bin/xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$@\" >> '" << m_home.Root() << "/opened'\n";
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        m_env = {{"HOME", m_home.Root() + "/home"},
                 {"XDG_DATA_HOME", m_home.Root() + "/data"},
                 {"XDG_CONFIG_HOME", m_home.Root() + "/config"},
                 {"XDG_RUNTIME_DIR", m_home.Root() + "/run"},
                 {"TMPDIR", m_home.Root() + "/tmp"},
                 {"QUILLET3_CONFIG", m_ini},
                 {"DISPLAY", desktop.Display()},
                 {"QT_QPA_PLATFORM", "xcb"},
                 {"QTWEBENGINE_DISABLE_SANDBOX", "1"},
                 {"PATH", m_home.Root() + "/bin:" +
                              std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")}};
        std::filesystem::create_directories(m_home.Root() + "/run");
        std::filesystem::permissions(m_home.Root() + "/run", std::filesystem::perms::owner_all);
    }
    const TempHome& Home() const { return m_home; }
    const std::map<std::string, std::string>& Env() const { return m_env; }
    std::string InstallFolder() const { return m_home.InstallFolder(); }
    std::string StatisticPath() const { return InstallFolder() + "/Statistic.ini"; }
    std::string Opened() const { return TempHome::ReadFile(m_home.Root() + "/opened"); }
    // Copies the launcher into the install folder, as an installation would.
    std::string InstallCopy() const {
        std::filesystem::create_directories(InstallFolder());
        std::string dest = InstallFolder() + "/quillet3";
        std::filesystem::copy_file(std::string(ORVANE_BUILD_DIR) + "/quillet3", dest,
                                   std::filesystem::copy_options::overwrite_existing);
        return dest;
    }
    std::unique_ptr<ChildProcess> Run(const std::string& program,
                                      const std::vector<std::string>& args) const {
        std::vector<std::string> argv{program};
        argv.insert(argv.end(), args.begin(), args.end());
        return std::make_unique<ChildProcess>(argv, m_env, m_home.Root() + "/launcher.out");
    }

private:
    TempHome m_home;
    std::string m_ini;
    std::map<std::string, std::string> m_env;
};
