#include "app/PortalConfig.h"
#include "app/Quillet3App.h"
#include "app/Reports.h"
#include "support/RawHttpServer.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

std::string Body(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

std::string Response(const std::string& status, const std::string& body, bool withLength = true,
                     std::size_t announced = std::string::npos) {
    std::string r = "HTTP/1.1 " + status + "\r\nConnection: close\r\n";
    if (withLength)
        r += "Content-Length: " + std::to_string(announced == std::string::npos ? body.size() : announced) +
             "\r\n";
    return r + "\r\n" + body;
}

std::string Local(const RawHttpServer& s, const std::string& object) {
    return "127.0.0.1:" + std::to_string(s.Port()) + "/" + object;
}

TEST(HttpGetRequest, SendsTheOneRequestFormByteForByte) {
    RawHttpServer server;
    ASSERT_TRUE(HttpGetRequest("http://" + Local(server, "active.htm?tag=web6182&ver=3.0.0.1&count=5"), ""));
    EXPECT_EQ(LastRequestError(), 0);
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& r = requests[0];
    EXPECT_EQ(r.substr(0, r.find("\r\n")), "GET /active.htm?tag=web6182&ver=3.0.0.1&count=5 HTTP/1.1");
    EXPECT_NE(r.find("\r\nUser-Agent: ZEZ\r\n"), std::string::npos) << r;
    EXPECT_NE(r.find("\r\nAccept-Language: zh-cn \r\nContent-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"), std::string::npos)
        << r;
    EXPECT_EQ(r.find("Accept: "), std::string::npos) << r; // no accept types
    EXPECT_EQ(r.find("Cookie"), std::string::npos) << r;
}

TEST(HttpGetRequest, SchemeHostAndPortRules) {
    RawHttpServer server;
    EXPECT_TRUE(HttpGetRequest("HTTP://" + Local(server, "a"), ""));
    // Text after the port's digits is ignored.
    EXPECT_TRUE(HttpGetRequest("http://127.0.0.1:" + std::to_string(server.Port()) + "zz/b", ""));
    EXPECT_FALSE(HttpGetRequest("ftp://" + Local(server, "c"), ""));
    EXPECT_FALSE(HttpGetRequest(Local(server, "d"), ""));
    // A host part that would steer the connection elsewhere is not sent.
    EXPECT_FALSE(HttpGetRequest("http://user@127.0.0.1:" + std::to_string(server.Port()) + "/e", ""));
    // Line breaks and blanks cannot break out of the request line.
    EXPECT_TRUE(HttpGetRequest("http://" + Local(server, "f?uid=a b\r\nX-Evil: 1"), ""));
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].substr(0, requests[1].find("\r\n")), "GET /b HTTP/1.1");
    EXPECT_EQ(requests[2].substr(0, requests[2].find("\r\n")), "GET /f?uid=a%20b%0D%0AX-Evil:%201 HTTP/1.1");
    EXPECT_EQ(requests[2].find("\r\nX-Evil"), std::string::npos);
    // Nobody listens: not sent, with the connection's error.
    RawHttpServer* gone = new RawHttpServer;
    std::string dead = "http://" + Local(*gone, "x");
    delete gone;
    EXPECT_FALSE(HttpGetRequest(dead, ""));
    EXPECT_NE(LastRequestError(), 0);
}

TEST(SendReport, ThreadTakesItsCopyAndSignalsBothEvents) {
    RawHttpServer server;
    CQuillet3App app;
    app.m_hUrlTaken = std::make_shared<platform::ManualResetEvent>();
    app.m_hReportDone = std::make_shared<platform::ManualResetEvent>();
    std::string text = "http://" + Local(server, "install.htm?tag=orvn&ver=3.0.0.1&count=1");
    EXPECT_EQ(SendReport(text, app), 1);
    text.assign(text.size(), 'x'); // the caller may reuse its buffer at once
    EXPECT_FALSE(app.m_hUrlTaken->IsSet());
    ASSERT_TRUE(app.m_hReportDone->WaitFor(std::chrono::seconds(10)));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].rfind("GET /install.htm?tag=orvn&ver=3.0.0.1&count=1 HTTP/1.1\r\n", 0),
              0u);

    // An address that cannot be sent still ends with the done event.
    CQuillet3App other;
    other.m_hUrlTaken = std::make_shared<platform::ManualResetEvent>();
    other.m_hReportDone = std::make_shared<platform::ManualResetEvent>();
    SendReport("ftp://nowhere/x", other);
    EXPECT_TRUE(other.m_hReportDone->WaitFor(std::chrono::seconds(10)));
    other.ExitInstance();
    app.ExitInstance();
}

TEST(ReportTexts, AddressesAndValues) {
    PortalConfig c = PortalConfig::Defaults();
    c.statHost = "stat.example:81";
    SetPortalForTesting(c);
    EXPECT_EQ(InstallReport(3), "http://stat.example:81/install.htm?tag=orvn&ver=3.0.0.1&count=3");
    EXPECT_EQ(PortalActivationReport(1), "http://stat.example:81/active.htm?tag=web6182&ver=3.0.0.1&count=1");
    EXPECT_EQ(
        ActivationReport(1, -2, 1, 1),
        "http://stat.example:81/active.htm?tag=orvn&ver=3.0.0.1&count=1&apartdays=-2&keepdays=1&weekdays=1");
    EXPECT_EQ(UninstallReport(2), "http://stat.example:81/uninstall.htm?tag=orvn&ver=3.0.0.1&count=2");
    EXPECT_EQ(LoginReport("s1-tom", 2),
              "http://stat.example:81/login.htm?tag=orvn&ver=3.0.0.1&uid=s1-tom&index=2");
    EXPECT_EQ(LoginReport(std::string(600, 'u'), 1).size(), 511u); // a buffer of 512 characters
    SetPortalForTesting(PortalConfig::Defaults());
}

TEST(SendLoginReport, ReachesTheStatisticsServerOnItsOwnThread) {
    RawHttpServer server;
    PortalConfig c = PortalConfig::Defaults();
    c.statHost = "127.0.0.1:" + std::to_string(server.Port());
    SetPortalForTesting(c);
    SendLoginReport("s1-tom", 1);
    for (int i = 0; i < 500 && server.Requests().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(
        server.Requests()[0].rfind("GET /login.htm?tag=orvn&ver=3.0.0.1&uid=s1-tom&index=1 HTTP/1.1\r\n", 0),
        0u);
    SetPortalForTesting(PortalConfig::Defaults());
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        PortalConfig c = PortalConfig::Defaults();
        c.allowDomains = {"127.0.0.1", "6182yx.com", "6182orvane.com"};
        SetPortalForTesting(c);
        path = home.Root() + "/out.bin";
    }
    void TearDown() override { SetPortalForTesting(PortalConfig::Defaults()); }
    TempHome home;
    std::string path;
};

TEST_F(DownloadTest, StatusAndLengthDecideSuccess) {
    struct Case {
        const char* name;
        std::string response;
        bool ok;
        std::size_t fileSize; // npos: no file written
    };
    const std::string body = Body(1500);
    const Case cases[] = {
        {"200 full body", Response("200 OK", body), true, 1500},
        {"500 with a full body", Response("500 Internal Server Error", body), true, 1500},
        {"404", Response("404 Not Found", body), false, std::string::npos},
        {"no Content-Length", Response("200 OK", body, false), false, std::string::npos},
        {"short body", Response("200 OK", body, true, 4000), false, 1500},
        {"empty body", Response("200 OK", ""), true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        RawHttpServer server(c.response);
        EXPECT_EQ(DownloadToFile(Local(server, "update/ConfigOrvn.htm"), path, DownloadUse::Config), c.ok);
        if (c.fileSize == std::string::npos) {
            EXPECT_FALSE(std::filesystem::exists(path));
        } else {
            ASSERT_TRUE(std::filesystem::exists(path));
            EXPECT_EQ(std::filesystem::file_size(path), c.fileSize);
        }
    }
    // The next download of the same file overwrites a partial one.
    RawHttpServer server(Response("200 OK", "abc"));
    EXPECT_TRUE(DownloadToFile(Local(server, "x"), path, DownloadUse::Config));
    EXPECT_EQ(TempHome::ReadFile(path), "abc");
}

TEST_F(DownloadTest, ProgramDownloadInBlocksWithinTheAllowList) {
    const std::string body = Body(1300);
    RawHttpServer server(Response("200 OK", body));
    std::vector<std::uint64_t> steps;
    auto progress = [&](std::uint64_t received, std::uint64_t total) {
        EXPECT_EQ(total, 1300u);
        steps.push_back(received);
    };
    ASSERT_TRUE(
        DownloadToFile("http://" + Local(server, "NewOrvn.exe"), path, DownloadUse::Program, progress));
    EXPECT_EQ(TempHome::ReadFile(path), body);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), 1300u);
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i] - (i ? steps[i - 1] : 0), i + 1 < steps.size() ? 512u : (1300u - 1) % 512 + 1);
    // The first seven characters are skipped without a look.
    EXPECT_TRUE(DownloadToFile("xxxx://" + Local(server, "NewOrvn.exe"), path, DownloadUse::Program));

    // Refused addresses make no connection.
    std::size_t before = server.Requests().size();
    EXPECT_FALSE(DownloadToFile("http://elsewhere.example/127.0.0.1/x", path, DownloadUse::Program));
    EXPECT_FALSE(DownloadToFile("http://localhost:" + std::to_string(server.Port()) + "/127.0.0.1", path,
                                DownloadUse::Program));
    EXPECT_EQ(server.Requests().size(), before);
}

TEST_F(DownloadTest, RedirectsAreFollowedOnlyWithinTheAllowList) {
    RawHttpServer target(Response("200 OK", "new program"));
    RawHttpServer redirector(Response("302 Found", "", true));
    redirector.SetResponse("HTTP/1.1 302 Found\r\nLocation: http://" + Local(target, "real.exe") +
                           "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    ASSERT_TRUE(DownloadToFile("http://" + Local(redirector, "NewOrvn.exe"), path, DownloadUse::Program));
    EXPECT_EQ(TempHome::ReadFile(path), "new program");

    std::filesystem::remove(path);
    redirector.SetResponse(
        "HTTP/1.1 302 Found\r\nLocation: http://localhost:" + std::to_string(target.Port()) +
        "/real.exe\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    EXPECT_FALSE(DownloadToFile("http://" + Local(redirector, "NewOrvn.exe"), path, DownloadUse::Program));
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
