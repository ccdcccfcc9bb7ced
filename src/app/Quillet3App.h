#pragma once
// The application object: classifies the start and performs that run mode's work.
#include "platform/Event.h"

#include <atomic>
#include <memory>
#include <string>

class CQuillet3App {
public:
    // Performs the start-up. True only when the game window was created (modes 6
    // and 7): the caller then runs the event loop; otherwise the process ends.
    bool InitInstance();
    // Runs on every path: waits a little for reports still on their way.
    int ExitInstance();

    // The update check (0 automatic, 1 forced): non-zero when the published
    // program file differs from the running one. Refreshes m_updateAddress.
    int CheckForUpdate(int forced);

    // Report bookkeeping of the report threads.
    void ReportStarted();
    void ReportFinished();
    // Waits for the first report of the process, if one was started.
    void WaitForReport();

    std::string m_updateAddress;                               // download address of a newer program file
    std::shared_ptr<platform::ManualResetEvent> m_hUrlTaken;   // a report thread took its copy
    std::shared_ptr<platform::ManualResetEvent> m_hReportDone; // a report thread finished; never reset
    std::string m_gameTitle; // title of the page in the separate game window
    std::string m_gameUrl;   // address of that page

private:
    std::atomic<bool> m_bReportStarted{false};
    std::atomic<int> m_nReportsRunning{0};
};

// The one application object of the process.
CQuillet3App& TheApp();
