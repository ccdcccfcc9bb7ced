#pragma once
// Reports to the statistics server and downloads, all in the one request form.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class CQuillet3App;

// One GET of an "http://" address (scheme compared without regard to case); the
// response is not read. True when the request was sent. Sets LastRequestError().
bool HttpGetRequest(std::string_view address, std::string_view body);
// The error of this thread's last failed connect or send, or 0.
int LastRequestError();

// Starts a report thread with a copy of text; returns once the thread has taken
// its copy. The thread sets app.m_hUrlTaken and, after its request, app.m_hReportDone.
int SendReport(const std::string& text, CQuillet3App& app);
// The main window's login report: a thread of its own, no events involved.
void SendLoginReport(const std::string& uid, int index);

// Report texts: the statistics server's base address with the values appended.
std::string InstallReport(unsigned count);
std::string PortalActivationReport(unsigned count);
std::string ActivationReport(unsigned count, int apartDays, int keepDays, int weekDays);
std::string UninstallReport(unsigned count);
std::string LoginReport(const std::string& uid, int index);

enum class DownloadUse {
    Config,  // the address carries no scheme; no allow-list
    Program, // the first seven characters are skipped; the allow-list applies
};
using DownloadProgress = std::function<void(std::uint64_t received, std::uint64_t total)>;

// Saves the body of a GET to path in blocks of 512 bytes, calling progress after
// each. True when at least Content-Length bytes were saved; a 404 answer, a
// missing Content-Length or a refused address fails; a short body fails and
// leaves the partial file. cancel, when set, ends the download with failure.
bool DownloadToFile(std::string_view address, const std::string& path, DownloadUse use,
                    const DownloadProgress& progress = {}, const std::atomic<bool>* cancel = nullptr);
