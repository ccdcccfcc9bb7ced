// Hit tests, the maximised and restore rectangles and resizing by the frame.
#include "skin/DlgFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(DlgHitTest, ResizableDialogWithThirtyPixelCaption) {
    const QSize client(200, 100);
    const struct {
        QPoint at;
        HitCode hit;
    } cases[] = {
        {{0, 0}, HTTOPLEFT},     {{3, 3}, HTTOPLEFT},        {{3, 4}, HTLEFT},       {{0, 50}, HTLEFT},
        {{2, 96}, HTBOTTOMLEFT}, {{3, 99}, HTBOTTOMLEFT},    {{196, 0}, HTTOPRIGHT}, {{199, 3}, HTTOPRIGHT},
        {{196, 4}, HTRIGHT},     {{199, 96}, HTBOTTOMRIGHT}, {{4, 0}, HTTOP},        {{100, 2}, HTTOP},
        {{195, 2}, HTTOP},       {{4, 3}, HTCAPTION},        {{100, 29}, HTCAPTION}, {{100, 30}, HTCLIENT},
        {{100, 95}, HTCLIENT},   {{100, 96}, HTBOTTOM},      {{100, 99}, HTBOTTOM},  {{100, 100}, HTCLIENT},
        {{-1, 50}, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DlgHitTest(c.at, client, 4, 30, true, false), c.hit) << c.at.x() << "," << c.at.y();
}

TEST(DlgHitTest, FixedAndMaximisedDialogs) {
    const QSize client(200, 100);
    // Without resizing only the caption band drags; caption -1 drags from anywhere.
    EXPECT_EQ(DlgHitTest({0, 0}, client, 4, 30, false, false), HTCAPTION);
    EXPECT_EQ(DlgHitTest({199, 29}, client, 4, 30, false, false), HTCAPTION);
    EXPECT_EQ(DlgHitTest({100, 30}, client, 4, 30, false, false), HTCLIENT);
    EXPECT_EQ(DlgHitTest({0, 99}, client, 4, -1, false, false), HTCAPTION);
    EXPECT_EQ(DlgHitTest({100, 60}, client, 4, -1, false, false), HTCAPTION);
    // A whole-window caption on a resizable dialog still has its edges.
    EXPECT_EQ(DlgHitTest({100, 60}, client, 4, -1, true, false), HTCAPTION);
    EXPECT_EQ(DlgHitTest({0, 60}, client, 4, -1, true, false), HTLEFT);
    // Maximised: neither dragging nor resizing.
    for (QPoint at : {QPoint(0, 0), QPoint(100, 10), QPoint(199, 99)})
        EXPECT_EQ(DlgHitTest(at, client, 4, 30, true, true), HTCLIENT);
}

TEST(DlgFrameRects, MaximisedRectIsTheWorkAreaCentredDownToTheCap) {
    EXPECT_EQ(MaximizedRect(QRect(0, 0, 1280, 770), 1280, 770), QRect(0, 0, 1280, 770));
    EXPECT_EQ(MaximizedRect(QRect(0, 30, 1920, 1050), 1440, 900), QRect(240, 105, 1440, 900));
    EXPECT_EQ(MaximizedRect(QRect(0, 0, 1441, 903), 1440, 900), QRect(0, 1, 1441, 901));
    EXPECT_EQ(MaximizedRect(QRect(100, 0, 800, 600), 1440, 900), QRect(100, 0, 800, 600));
}

TEST(DlgFrameRects, InitialRestoreRectIsTheWorkAreaLessAnEighth) {
    EXPECT_EQ(InitialRestoreRect(QRect(0, 0, 1280, 800)), QRect(QPoint(160, 100), QPoint(1119, 699)));
    // Left and top from 0; right and bottom from the work area's edges.
    EXPECT_EQ(InitialRestoreRect(QRect(0, 30, 1283, 770)), QRect(QPoint(160, 96), QPoint(1122, 703)));
}

TEST(DlgFrameRects, ResizingMovesOnlyTheGrabbedEdgesAndKeepsAMinimum) {
    const QRect start(100, 100, 300, 200);
    const QSize minimum(30, 51);
    EXPECT_EQ(ResizedRect(start, HTRIGHT, {40, 25}, minimum), QRect(100, 100, 340, 200));
    EXPECT_EQ(ResizedRect(start, HTTOPLEFT, {-10, -20}, minimum), QRect(90, 80, 310, 220));
    EXPECT_EQ(ResizedRect(start, HTBOTTOM, {5, 30}, minimum), QRect(100, 100, 300, 230));
    EXPECT_EQ(ResizedRect(start, HTLEFT, {500, 0}, minimum), QRect(370, 100, 30, 200));
    EXPECT_EQ(ResizedRect(start, HTBOTTOMRIGHT, {-500, -500}, minimum), QRect(100, 100, 30, 51));
    EXPECT_EQ(ResizedRect(start, HTCAPTION, {10, 10}, minimum), start);
}

TEST(DlgFrameRects, TitleAndIconPositions) {
    EXPECT_EQ(CaptionTitlePos(4, 30, false), QPoint(9, 7));
    EXPECT_EQ(CaptionTitlePos(4, 30, true), QPoint(25, 7));
    EXPECT_EQ(CaptionTitlePos(3, -1, false), QPoint(8, 4));
    EXPECT_EQ(CaptionIconPos(4, 30), QPoint(4, 7));
    EXPECT_EQ(CaptionIconPos(4, -1), QPoint(4, 6));
}

} // namespace
