#include "app/Reports.h"

#include "app/Address.h"
#include "app/Constants.h"
#include "app/PortalConfig.h"
#include "app/Quillet3App.h"
#include "platform/HttpClient.h"
#include "platform/TextUtil.h"

#include <cstdio>
#include <limits>
#include <thread>

namespace {
thread_local int t_lastError = 0;

// Report texts live in buffers of 512 characters.
std::string Bounded(std::string text) {
    return platform::TruncateCodePoints(text, 511);
}

// "http://", the statistics server, the path and the report's tag and version.
std::string Base(const char* path, const char* tag) {
    return "http://" + Portal().statHost + path + "?tag=" + tag + "&ver=" + kAppVersion;
}

constexpr int kMaxRedirects = 5;
constexpr std::size_t kBlock = 512;
} // namespace

bool HttpGetRequest(std::string_view address, std::string_view body) {
    if (address.size() < 7 || !platform::EqualsNoCase(address.substr(0, 7), "http://")) return false;
    platform::HttpResult r = platform::HttpGet(SplitAddress(address.substr(7)), body, nullptr);
    t_lastError = r.sent ? 0 : r.error;
    return r.sent;
}

int LastRequestError() {
    return t_lastError;
}

int SendReport(const std::string& text, CQuillet3App& app) {
    const std::string* shared = &text;
    app.ReportStarted();
    // The thread holds the events itself: they outlive a process end that did not wait.
    std::thread([shared, &app, taken = app.m_hUrlTaken, done = app.m_hReportDone] {
        std::string copy = Bounded(*shared);
        taken->Set();
        HttpGetRequest(copy, "");
        done->Set();
        app.ReportFinished();
    }).detach();
    app.m_hUrlTaken->Wait();
    app.m_hUrlTaken->Reset();
    return 1;
}

void SendLoginReport(const std::string& uid, int index) {
    std::thread([text = LoginReport(uid, index)] { HttpGetRequest(text, ""); }).detach();
}

std::string InstallReport(unsigned count) {
    return Bounded(Base("/install.htm", "orvn") + "&count=" + std::to_string(count));
}

std::string PortalActivationReport(unsigned count) {
    return Bounded(Base("/active.htm", "web6182") + "&count=" + std::to_string(count));
}

std::string ActivationReport(unsigned count, int apartDays, int keepDays, int weekDays) {
    char tail[96];
    std::snprintf(tail, sizeof tail, "&count=%u&apartdays=%d&keepdays=%d&weekdays=%d", count, apartDays,
                  keepDays, weekDays);
    return Bounded(Base("/active.htm", "orvn") + tail);
}

std::string UninstallReport(unsigned count) {
    return Bounded(Base("/uninstall.htm", "orvn") + "&count=" + std::to_string(count));
}

std::string LoginReport(const std::string& uid, int index) {
    return Bounded(Base("/login.htm", "orvn") + "&uid=" + uid + "&index=" + std::to_string(index));
}

bool DownloadToFile(std::string_view address, const std::string& path, DownloadUse use,
                    const DownloadProgress& progress, const std::atomic<bool>* cancel) {
    const auto& domains = Portal().allowDomains;
    if (use == DownloadUse::Program && !PassesAllowList(address, domains)) return false;
    platform::HttpTarget target = SplitAddress(
        use == DownloadUse::Program ? address.substr(std::min<std::size_t>(7, address.size())) : address);

    for (int hop = 0; hop <= kMaxRedirects; ++hop) {
        std::FILE* file = nullptr;
        bool refused = false;
        std::string redirect;
        std::uint64_t expected = 0, total = 0;
        bool writeFailed = false;
        platform::HttpHandlers handlers;
        handlers.onHead = [&](const platform::HttpResponseHead& head) {
            if (head.status >= 300 && head.status < 400 && !head.location.empty()) {
                redirect = head.location;
                return false;
            }
            if (head.status == 404 || !head.contentLength ||
                *head.contentLength > std::numeric_limits<std::uint32_t>::max()) {
                refused = true;
                return false;
            }
            expected = *head.contentLength;
            file = std::fopen(path.c_str(), "wb");
            if (!file) refused = true;
            return file != nullptr;
        };
        handlers.onBody = [&](const char* data, std::size_t n) {
            while (n > 0) {
                std::size_t block = std::min(n, kBlock);
                if (std::fwrite(data, 1, block, file) != block) {
                    writeFailed = true;
                    return false;
                }
                total += block;
                data += block;
                n -= block;
                if (progress) progress(total, expected);
            }
            return true;
        };
        platform::HttpResult r = platform::HttpGet(target, "", &handlers, cancel);
        if (file) {
            bool closed = std::fclose(file) == 0;
            return closed && !writeFailed && !(cancel && *cancel) && total >= expected;
        }
        if (refused || redirect.empty() || !r.sent) return false;
        // Followed as the system's HTTP layer follows them; a program download may
        // not be redirected off the portal's domains.
        std::string next = redirect;
        if (next.front() == '/') {
            target.object = next.substr(1);
            continue;
        }
        if (next.size() < 7 || !platform::EqualsNoCase(std::string_view(next).substr(0, 7), "http://"))
            return false;
        if (use == DownloadUse::Program && !PassesAllowList(next, domains)) return false;
        target = SplitAddress(std::string_view(next).substr(7));
    }
    return false;
}
