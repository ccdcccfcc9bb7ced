#pragma once
// The portal's host names. Compiled-in defaults name the real portal; the INI file
// named by $QUILLET3_CONFIG, else "Portal.ini" beside the program file, overrides
// them from its section [Portal].
#include <array>
#include <string>

struct PortalConfig {
    std::string statHost;     // statistics and update server, host[:port]
    std::string userHost;     // user centre: the game-login page
    std::string extLoginHost; // external-login server
    std::string qqOAuthHost;  // QQ OAuth server
    std::string homePage;     // the portal's home page, a full address
    std::string probeSite;    // public site of the reachability test, a full address
    std::array<std::string, 3> allowDomains;

    static PortalConfig Defaults();
    // Defaults overridden by the given INI file (missing keys keep their default).
    static PortalConfig Load(const std::string& iniPath);
};

// The configuration of this process, loaded on first use.
const PortalConfig& Portal();
// Tests: replace this process's configuration.
void SetPortalForTesting(const PortalConfig& config);
// The INI file that Portal() reads.
std::string PortalConfigPath();
