// The launcher's own message box, as a user meets it at start-up.
#include "support/Desktop.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
const std::string kLauncher = std::string(ORVANE_BUILD_DIR) + "/quillet3";

using Geometry = Desktop::Geometry;

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(desktop.Display().empty());
        ASSERT_NE(portal.Port(), 0);
    }
    // The box's window, once it is shown.
    std::string WaitForBox() {
        if (!desktop.WaitForWindow("^6182Orvane$", 20s)) return {};
        std::this_thread::sleep_for(300ms);
        auto ids = desktop.Windows("^6182Orvane$");
        return ids.empty() ? std::string() : ids.back();
    }
    void Click(int x, int y) {
        desktop.Xdo("mousemove --sync " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    }

    Desktop desktop;
    TempHome portalFolder;
    Portal portal{portalFolder.Root()};
};

TEST_F(MessageBoxTest, OfflineMessageIgnoresEnterAndEscAndEndsOnOk) {
    LauncherHome home(desktop, portal, "http://127.0.0.1:9/");
    auto launcher = home.Run(home.InstallCopy(), {"/Orvn"});
    std::string box = WaitForBox();
    ASSERT_FALSE(box.empty());
    Geometry g = desktop.WindowGeometry(box);
    EXPECT_GT(g.w, 2 * 57 + 60 - 1); // sized to the text, at least the two-button width
    desktop.Screenshot(portalFolder.Root() + "/offline.png");

    desktop.Xdo("windowactivate --sync " + box);
    desktop.Xdo("key Return");
    desktop.Xdo("key Escape");
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(launcher->Running()) << "Enter or Esc closed the box";

    // The one "确定" button lies centred, 30 pixels above the bottom edge.
    Click(g.x + g.w / 2, g.y + g.h - 30 - 11);
    EXPECT_EQ(launcher->Wait(10s), 0);
    EXPECT_FALSE(std::filesystem::exists(home.StatisticPath()));
}

TEST_F(MessageBoxTest, UninstallAnsweredNoRemovesAndSendsNothing) {
    LauncherHome home(desktop, portal);
    std::string installed = home.InstallCopy();
    auto launcher = home.Run(installed, {"/uninst"});
    std::string box = WaitForBox();
    ASSERT_FALSE(box.empty());
    Geometry g = desktop.WindowGeometry(box);
    // "否" is the second button, 20 pixels right of the centre's "是".
    Click(g.x + g.w / 2 + 10 + 28, g.y + g.h - 30 - 11);
    EXPECT_EQ(launcher->Wait(10s), 0);
    EXPECT_TRUE(std::filesystem::exists(installed));
    EXPECT_FALSE(std::filesystem::exists(home.StatisticPath()));
    EXPECT_TRUE(portal.LogLines().empty());
}

} // namespace
