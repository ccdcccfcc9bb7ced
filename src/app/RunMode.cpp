#include "app/RunMode.h"

#include "app/Statistics.h"
#include "platform/StartProcess.h"
#include "platform/TextUtil.h"

std::uintptr_t g_hParentWnd = 0;
int g_nParentTabs = 0;

namespace {
std::vector<std::string> g_args;

// A value after a switch is copied into a buffer of bufferChars characters and
// read from its second character on: the starting side writes "/" and the number.
std::int32_t ReadSwitchValue(const std::vector<std::string>& args, std::size_t i, std::size_t bufferChars) {
    if (i >= args.size()) return 0;
    std::string copy = platform::TruncateCodePoints(args[i], bufferChars - 1);
    std::string afterFirst = copy.substr(platform::TruncateCodePoints(copy, 1).size());
    return platform::WcstolBase10(afterFirst);
}
} // namespace

int ClassifyRun(const std::vector<std::string>& args, const std::string& programPath,
                const std::string& installFolder) {
    g_hParentWnd = 0;
    g_nParentTabs = 0;
    if (args.size() > 1) {
        const std::string& first = args[1];
        static const struct {
            const char* name;
            int mode;
        } switches[] = {{"/web6182D", WebPortal},   {"/Orvn", Shortcut},       {"/uninst", Uninstall},
                        {"/update", UpdateRestart}, {"/newgm", NewGameWindow}, {"/gmhall", GameHall}};
        for (const auto& s : switches) {
            if (!platform::EqualsNoCase(first, s.name)) continue;
            if (s.mode == NewGameWindow) {
                g_hParentWnd =
                    static_cast<std::uintptr_t>(static_cast<std::intptr_t>(ReadSwitchValue(args, 2, 16)));
                g_nParentTabs = ReadSwitchValue(args, 3, 8);
            } else if (s.mode == GameHall) {
                g_hParentWnd =
                    static_cast<std::uintptr_t>(static_cast<std::intptr_t>(ReadSwitchValue(args, 2, 16)));
            }
            return s.mode;
        }
    }
    std::string program = platform::ToUpperUnicode(programPath);
    std::string folder = platform::ToUpperUnicode(installFolder);
    return program.find(folder) != std::string::npos ? Installed : FirstRun;
}

int ClassifyRun() {
    return ClassifyRun(g_args, platform::ProgramPath(), InstallFolder());
}

void SetProcessArguments(int argc, char** argv) {
    g_args.assign(argv, argv + argc);
}
