#include "app/Quillet3App.h"

#include "app/CrashDump.h"
#include "app/Install.h"
#include "app/PortalConfig.h"
#include "app/Reports.h"
#include "app/RunMode.h"
#include "app/Statistics.h"
#include "app/Uninstall.h"
#include "mainwnd/MainWindow.h"
#include "platform/HttpClient.h"
#include "platform/OpenAddress.h"
#include "platform/StartProcess.h"
#include "skin/MessageBox.h"
#include "update/ReplaceProgram.h"
#include "web/GameProcess.h"

#include <chrono>
#include <thread>

namespace {
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;

// After an update: start the new program file and note the update.
void RestartAfterUpdate() {
    platform::StartProcess(std::vector<std::string>{platform::ProgramPath()});
    WriteUpdTime();
}
} // namespace

CQuillet3App& TheApp() {
    static CQuillet3App app;
    return app;
}

void CQuillet3App::ReportStarted() {
    m_bReportStarted = true;
    ++m_nReportsRunning;
}

void CQuillet3App::ReportFinished() {
    --m_nReportsRunning;
}

void CQuillet3App::WaitForReport() {
    if (m_bReportStarted && m_hReportDone) m_hReportDone->Wait();
}

bool CQuillet3App::InitInstance() {
    InstallCrashFilter();

    if (!platform::CheckConnection(Portal().probeSite)) {
        AppMessageBox(nullptr, 0, QStringLiteral("当前网络不可用，请检查网络连接是否正常！"));
        return false;
    }

    const int mode = ClassifyRun();
    m_hUrlTaken = std::make_shared<platform::ManualResetEvent>();
    m_hReportDone = std::make_shared<platform::ManualResetEvent>();

    if (mode == Uninstall) {
        if (AppMessageBox(nullptr, 4, QStringLiteral("确定要移除 6182Orvane吗？")) == IDYES) {
            UninstallProgram(*this);
            WaitForReport();
        }
        return false;
    }

    if (mode == UpdateRestart) {
        CheckForUpdate(1);
        if (ReplaceProgram(*this)) {
            RestartAfterUpdate();
            return false;
        }
    }
    if (mode == FirstRun || mode == Shortcut) {
        if (CheckForUpdate(0) && ReplaceProgram(*this)) {
            RestartAfterUpdate();
            return false;
        }
    }
    if (mode == FirstRun) {
        InstallProgram();
        WriteDisableDays();
        SetUpPlugin();
        SendReport(InstallReport(static_cast<unsigned>(UpdateStatistic(StatInstall))), *this);
        WaitForReport();
        return false;
    }

    if (mode == WebPortal) {
        platform::OpenAddress(Portal().homePage);
        SendReport(PortalActivationReport(static_cast<unsigned>(UpdateStatistic(StatPortalCount))), *this);
        WaitForReport();
        return false;
    }

    if (mode == Shortcut || mode == Installed) {
        int weekDays = UpdateStatistic(StatWeekdays);
        int keepDays = UpdateStatistic(StatStreak);
        int apartDays = UpdateStatistic(StatDaysApart);
        unsigned count = static_cast<unsigned>(UpdateStatistic(StatGame));
        SendReport(ActivationReport(count, apartDays, keepDays, weekDays), *this);
    }

    if (mode == Shortcut || mode == Installed || mode == UpdateRestart || mode == NewGameWindow ||
        mode == GameHall)
        SetCacheLimit();

    if (mode == NewGameWindow || mode == GameHall) {
        if (!InitWebEngine()) {
            AppMessageBox(nullptr, 0, QStringLiteral("初始化OLE库失败"));
            return false;
        }
        if (mode == NewGameWindow && RunLoginBackground() == IDCANCEL) {
            PostCloseToMainWindow(g_hParentWnd);
            return false;
        }
        return CreateGameWindow(*this);
    }

    // Modes 2, 3 and 5.
    RunMainWindow(*this);
    return false;
}

int CQuillet3App::ExitInstance() {
    // A report still on its way when the process ends would be cut off mid-request.
    for (int i = 0; i < 100 && m_nReportsRunning > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    m_hUrlTaken.reset();
    m_hReportDone.reset();
    return 0;
}
