#include "app/PortalConfig.h"

#include "platform/ProfileFile.h"
#include "platform/StartProcess.h"

#include <cstdlib>

namespace {
constexpr const char* kSection = "Portal";
}

PortalConfig PortalConfig::Defaults() {
    PortalConfig c;
    c.statHost = "tj.6182yx.com";
    c.userHost = "u.6182orvane.com";
    c.extLoginHost = "passport.6182orvane.com";
    c.qqOAuthHost = "graph.qq.com";
    c.homePage = "http://www.6182orvane.com/";
    c.probeSite = "http://www.baidu.com/";
    c.allowDomains = {"6182yx.com", "6182orvane.com", "6182game.cn"};
    return c;
}

PortalConfig PortalConfig::Load(const std::string& iniPath) {
    PortalConfig c = Defaults();
    platform::ProfileFile ini(iniPath);
    auto take = [&](const char* key, std::string& field) {
        if (auto v = ini.Find(kSection, key)) field = *v;
    };
    take("StatHost", c.statHost);
    take("UserHost", c.userHost);
    take("ExtLoginHost", c.extLoginHost);
    take("QQOAuthHost", c.qqOAuthHost);
    take("HomePage", c.homePage);
    take("ProbeSite", c.probeSite);
    if (auto v = ini.Find(kSection, "AllowDomains")) {
        std::array<std::string, 3> domains;
        std::size_t i = 0, start = 0;
        while (i < domains.size() && start <= v->size()) {
            auto comma = v->find(',', start);
            std::string d = v->substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            while (!d.empty() && d.front() == ' ')
                d.erase(0, 1);
            while (!d.empty() && d.back() == ' ')
                d.pop_back();
            domains[i++] = d;
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        c.allowDomains = domains;
    }
    return c;
}

std::string PortalConfigPath() {
    if (const char* env = std::getenv("QUILLET3_CONFIG"); env && *env) return env;
    std::string program = platform::ProgramPath();
    auto slash = program.find_last_of('/');
    return (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) + "Portal.ini";
}

namespace {
PortalConfig& Current() {
    static PortalConfig config = PortalConfig::Load(PortalConfigPath());
    return config;
}
} // namespace

const PortalConfig& Portal() {
    return Current();
}

void SetPortalForTesting(const PortalConfig& config) {
    Current() = config;
}
