#include "app/Address.h"
#include "platform/StartProcess.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitAddress, HostPortAndObject) {
    struct Case {
        std::string in, host;
        int port;
        std::string object;
    };
    const Case cases[] = {
        {"tj.6182yx.com/active.htm?tag=orvn&ver=3.0.0.1", "tj.6182yx.com", 80,
         "active.htm?tag=orvn&ver=3.0.0.1"},
        {"host:8080/path", "host", 8080, "path"},
        {"host:8080x/path", "host", 8080, "path"}, // text after the port's digits is ignored
        {"host:70000/p", "host", 70000 & 0xFFFF, "p"},
        {"host", "host", 80, ""},
        {"host/", "host", 80, ""},
        {"host/a/b/c", "host", 80, "a/b/c"},
        {"host:/p", "host", 0, "p"},
        {std::string(300, 'h') + "/p", std::string(259, 'h'), 80, "p"},
        {"h/" + std::string(600, 'o'), "h", 80, std::string(511, 'o')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.substr(0, 40));
        auto t = SplitAddress(c.in);
        EXPECT_EQ(t.host, c.host.substr(0, c.host.find(':')));
        EXPECT_EQ(t.port, c.port);
        EXPECT_EQ(t.object, c.object);
    }
}

TEST(AllowList, HostMustBeAPortalDomain) {
    const std::array<std::string, 3> domains = {"6182yx.com", "6182orvane.com", "6182game.cn"};
    struct Case {
        const char* address;
        bool passes;
    };
    const Case cases[] = {
        {"http://6182yx.com/NewOrvn.exe", true},
        {"http://dl.6182orvane.com/NewOrvn.exe", true},
        {"http://DL.6182ORVANE.COM:8080/x", true},
        {"http://a.b.6182game.cn/x", true},
        // The address merely mentions a domain: refused.
        {"http://elsewhere.example/6182yx.com/x", false},
        {"http://elsewhere.example/?d=6182yx.com", false},
        {"http://evil6182yx.com/x", false},
        {"http://6182yx.com.evil.example/x", false},
        {"http://6182yx.com@evil.example/x", false},
        {"https://6182yx.com/x", false}, // seven characters skipped: the host is "/6182yx.com"
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassesAllowList(c.address, domains), c.passes) << c.address;
}

TEST(CommandLine, SplitsAndQuotesAsWindowsDoes) {
    using V = std::vector<std::string>;
    struct Case {
        const char* line;
        V args;
    };
    const Case cases[] = {
        {"/p/quillet3 /newgm /123 /0", V{"/p/quillet3", "/newgm", "/123", "/0"}},
        {"\"/my games/quillet3\" /Orvn", V{"/my games/quillet3", "/Orvn"}},
        {"  a\t b  ", V{"a", "b"}},
        {"a\\\\\\\"b c", V{"a\\\"b", "c"}},
        {"\"a\\\\\" b", V{"a\\", "b"}},
        {"a\\b", V{"a\\b"}},
        {"\"say \"\"hi\"\"\"", V{"say \"hi\""}},
        {"", V{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::SplitCommandLine(c.line), c.args) << c.line;
    for (std::string arg : {"plain", "with space", "quote\"inside", "trail\\", "trail space\\", ""})
        EXPECT_EQ(platform::SplitCommandLine(platform::QuoteArgument(arg)), V{arg}) << arg;
}

} // namespace
