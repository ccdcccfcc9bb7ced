// A skinned dialog is dragged by its caption band, with and without a window manager.
#include "support/Desktop.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class DragTest : public ::testing::TestWithParam<bool> {};

TEST_P(DragTest, CaptionDragMovesTheBoxByThePointersPath) {
    Desktop desktop(GetParam());
    ASSERT_FALSE(desktop.Display().empty());
    TempHome home;
    ChildProcess box(
        {std::string(ORVANE_BUILD_DIR) + "/skin-preview", "0", "拖动标题栏移动窗口"},
        {{"DISPLAY", desktop.Display()}, {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", home.Root()}});
    ASSERT_TRUE(desktop.WaitForWindow("^6182Orvane$", 20s));
    std::this_thread::sleep_for(500ms);
    std::string id = desktop.Windows("^6182Orvane$").back();
    Desktop::Geometry before = desktop.WindowGeometry(id);
    ASSERT_GE(before.x, 0);

    auto move = [&](int dx, int dy) {
        desktop.Xdo("mousemove --sync " + std::to_string(before.x + 40 + dx) + " " +
                    std::to_string(before.y + 15 + dy));
    };
    move(0, 0);
    desktop.Xdo("mousedown 1");
    for (int step = 1; step <= 10; ++step) {
        move(10 * step, 8 * step);
        std::this_thread::sleep_for(20ms);
    }
    desktop.Xdo("mouseup 1");
    std::this_thread::sleep_for(500ms);

    Desktop::Geometry after = desktop.WindowGeometry(id);
    EXPECT_EQ(after.x - before.x, 100);
    EXPECT_EQ(after.y - before.y, 80);
    EXPECT_TRUE(box.Running());
}

INSTANTIATE_TEST_SUITE_P(WindowManager, DragTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Openbox" : "BareX"; });

} // namespace
