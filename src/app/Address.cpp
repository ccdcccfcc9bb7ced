#include "app/Address.h"

#include "platform/TextUtil.h"

#include <algorithm>
#include <cctype>

platform::HttpTarget SplitAddress(std::string_view rest) {
    platform::HttpTarget t;
    auto slash = rest.find('/');
    std::string_view host = slash == std::string_view::npos ? rest : rest.substr(0, slash);
    std::string_view object = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    host = host.substr(0, 259);
    t.object = platform::TruncateCodePoints(object, 511);
    auto colon = host.find(':');
    if (colon != std::string_view::npos) {
        t.port = static_cast<std::uint16_t>(platform::WcstolBase10(host.substr(colon + 1)));
        host = host.substr(0, colon);
    }
    t.host = std::string(host);
    return t;
}

bool HostPassesAllowList(std::string_view hostView, const std::array<std::string, 3>& domains) {
    std::string host(hostView);
    for (auto& c : host)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (host.empty()) return false;
    for (std::string d : domains) {
        for (auto& c : d)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (d.empty()) continue;
        if (host == d) return true;
        if (host.size() > d.size() && host.compare(host.size() - d.size(), d.size(), d) == 0 &&
            host[host.size() - d.size() - 1] == '.')
            return true;
    }
    return false;
}

bool PassesAllowList(std::string_view address, const std::array<std::string, 3>& domains) {
    return HostPassesAllowList(SplitAddress(address.substr(std::min<std::size_t>(7, address.size()))).host,
                               domains);
}
