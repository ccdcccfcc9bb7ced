// The skinned dialog base: painting, window region, caption buttons, hit tests,
// the simulated maximise and moving / resizing without a window manager.
#include "WidgetHelpers.h"

#include "skin/BtnEx.h"
#include "skin/DlgEx.h"
#include "skin/SkinDraw.h"
#include "skin/SkinImage.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

// A resizable dialog set up as the main window sets itself up: 30-pixel caption,
// border 4, buttons flush with the right edge.
struct SkinnedDialog {
    CDlgEx dlg;
    explicit SkinnedDialog(bool withMaximize = true, QSize size = {300, 200}) {
        dlg.EnsureInitialised();
        dlg.m_nCaptionHeight = 30;
        dlg.m_nBorder = 4;
        dlg.m_nBtnRightMargin = 0;
        dlg.m_nBtnTop = 0;
        dlg.m_bResizable = true;
        dlg.resize(size);
        dlg.SetTitle(QStringLiteral("6182Orvane"));
        dlg.SetSkin(LoadSkinImage(131), false, true, withMaximize ? LoadSkinImage(136) : QImage(),
                    withMaximize ? LoadSkinImage(135) : QImage(),
                    withMaximize ? LoadSkinImage(137) : QImage(), LoadSkinImage(132));
        dlg.move(100, 100);
        dlg.show();
        QCoreApplication::processEvents();
    }
    void Resize(QSize size) {
        dlg.resize(size);
        QCoreApplication::processEvents();
    }
};

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(CDlgEx, PaintsTheNineGridSkinWithTitleAndButtonsOnTop) {
    SkinnedDialog d;
    const QImage skin = LoadSkinImage(131), shot = Grab(d.dlg);
    EXPECT_EQ(Rgb(shot.pixel(150, 100)), Rgb(skin.pixel(15, 40))); // body
    EXPECT_EQ(Rgb(shot.pixel(299, 100)), Rgb(skin.pixel(29, 40))); // right edge
    EXPECT_EQ(Rgb(shot.pixel(150, 199)), Rgb(skin.pixel(15, 50))); // bottom edge
    EXPECT_EQ(Rgb(shot.pixel(150, 25)), Rgb(skin.pixel(15, 25)));  // caption band
    // The white title starts at x 9 in the caption band.
    int titleInk = 0;
    for (int y = 7; y < 22; ++y)
        for (int x = 9; x < 90; ++x)
            titleInk += QColor(shot.pixel(x, y)).lightness() > 200;
    EXPECT_GT(titleInk, 20);
    // The close button's glyph covers the caption; its magenta pixels show the caption under it.
    const QImage close = SplitStrip(LoadSkinImage(132), 4).first();
    EXPECT_EQ(Rgb(shot.pixel(267 + 16, 14)), Rgb(close.pixel(16, 14)));
    ASSERT_TRUE(IsSkinKey(close.pixel(2, 20)));
    EXPECT_EQ(Rgb(shot.pixel(267 + 2, 20)), Rgb(skin.pixel(15, 20)));
}

TEST(CDlgEx, RoundedCornersFollowEveryResize) {
    SkinnedDialog d;
    for (QSize size : {QSize(300, 200), QSize(451, 322)}) {
        d.Resize(size);
        const QRegion mask = d.dlg.mask();
        EXPECT_EQ(mask, SkinWindowRegion(LoadSkinImage(131), size));
        const int W = size.width();
        for (QPoint gone : {QPoint(0, 0), QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(W - 1, 0),
                            QPoint(W - 3, 0), QPoint(W - 2, 1), QPoint(W - 1, 2)})
            EXPECT_FALSE(mask.contains(gone)) << W << ": " << gone.x() << "," << gone.y();
        for (QPoint kept : {QPoint(3, 0), QPoint(2, 1), QPoint(1, 2), QPoint(0, 3), QPoint(W - 4, 0),
                            QPoint(W - 1, 3), QPoint(0, size.height() - 1), QPoint(W - 1, size.height() - 1)})
            EXPECT_TRUE(mask.contains(kept)) << W << ": " << kept.x() << "," << kept.y();
    }
}

TEST(CDlgEx, CaptionButtonsStayGluedToTheRightEdge) {
    SkinnedDialog d;
    ASSERT_TRUE(d.dlg.m_btnClose && d.dlg.m_btnMax && d.dlg.m_btnMin);
    for (int width : {300, 520}) {
        d.Resize({width, 200});
        EXPECT_EQ(d.dlg.m_btnClose->geometry(), QRect(width - 33, 0, 33, 28));
        EXPECT_EQ(d.dlg.m_btnMax->geometry(), QRect(width - 60, 0, 27, 28));
        EXPECT_EQ(d.dlg.m_btnMin->geometry(), QRect(width - 87, 0, 27, 28));
    }
    EXPECT_EQ(d.dlg.m_btnClose->toolTip(), QStringLiteral("关闭"));
    EXPECT_EQ(d.dlg.m_btnMax->toolTip(), QStringLiteral("最大化"));
    EXPECT_EQ(d.dlg.m_btnMin->toolTip(), QStringLiteral("最小化"));
}

TEST(CDlgEx, CreatedButtonsUseMarginTopAndGap) {
    CDlgEx dlg;
    dlg.resize(200, 100);
    dlg.m_nBtnRightMargin = 5;
    dlg.m_nBtnTop = 1;
    dlg.m_nBtnGap = 2;
    dlg.SetSkin(LoadSkinImage(131), false, true, LoadSkinImage(136), LoadSkinImage(135), LoadSkinImage(137),
                LoadSkinImage(132));
    EXPECT_EQ(dlg.m_btnClose->geometry(), QRect(162, 1, 33, 28));
    EXPECT_EQ(dlg.m_btnMax->geometry(), QRect(133, 1, 27, 28));
    EXPECT_EQ(dlg.m_btnMin->geometry(), QRect(104, 1, 27, 28));
}

TEST(CDlgEx, FitToImageAndMissingStripsOrSkin) {
    CDlgEx chooser;
    chooser.resize(500, 400);
    chooser.SetSkin(LoadSkinImage(162), true, false, QImage(), QImage(), QImage(), QImage());
    EXPECT_EQ(chooser.size(), QSize(284, 150));
    EXPECT_EQ(chooser.m_btnClose, nullptr);
    EXPECT_EQ(chooser.m_btnMax, nullptr);
    EXPECT_EQ(chooser.m_btnMin, nullptr);

    // A null skin keeps the size and region it replaces, and paints nothing of its own.
    SkinnedDialog d(false);
    const QRegion before = d.dlg.mask();
    d.dlg.SetSkin(QImage(), true, true, QImage(), QImage(), QImage(), QImage());
    EXPECT_EQ(d.dlg.size(), QSize(300, 200));
    EXPECT_EQ(d.dlg.mask(), before);
    QImage picture(d.dlg.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    EXPECT_FALSE(d.dlg.OnEraseBkgnd(p));
    p.end();
    EXPECT_EQ(picture.pixel(150, 100), 0u);
}

TEST(CDlgEx, HitTestsUseTheDialogsGeometry) {
    SkinnedDialog d;
    EXPECT_EQ(d.dlg.OnNcHitTest({1, 1}), HTTOPLEFT);
    EXPECT_EQ(d.dlg.OnNcHitTest({150, 1}), HTTOP);
    EXPECT_EQ(d.dlg.OnNcHitTest({150, 10}), HTCAPTION);
    EXPECT_EQ(d.dlg.OnNcHitTest({298, 100}), HTRIGHT);
    EXPECT_EQ(d.dlg.OnNcHitTest({150, 198}), HTBOTTOM);
    EXPECT_EQ(d.dlg.OnNcHitTest({150, 100}), HTCLIENT);
    d.dlg.m_bResizable = false;
    d.dlg.m_nCaptionHeight = -1;
    EXPECT_EQ(d.dlg.OnNcHitTest({1, 1}), HTCAPTION);
    EXPECT_EQ(d.dlg.OnNcHitTest({150, 198}), HTCAPTION);
}

TEST(CDlgEx, MaximiseFillsTheWorkAreaAndRestores) {
    SkinnedDialog d;
    const QRect restore = d.dlg.m_rcRestore;
    EXPECT_EQ(restore, InitialRestoreRect(WorkArea()));
    d.dlg.m_btnMax->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.dlg.m_bMaximized);
    EXPECT_EQ(d.dlg.geometry(), WorkArea());
    EXPECT_EQ(d.dlg.m_btnMax->toolTip(), QStringLiteral("还原"));
    EXPECT_EQ(d.dlg.m_btnMax->StateImages().first(), KeyToAlpha(SplitStrip(LoadSkinImage(137), 4).first()));
    EXPECT_EQ(d.dlg.m_btnMax->size(), QSize(27, 28));
    EXPECT_EQ(d.dlg.m_btnClose->geometry().right(), WorkArea().width() - 1);
    // While maximised the frame neither drags nor resizes.
    EXPECT_EQ(d.dlg.OnNcHitTest({1, 1}), HTCLIENT);

    // A double-click on the caption band restores the rectangle the dialog started from.
    SendMouse(d.dlg, QEvent::MouseButtonDblClick, {150, 12}, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.dlg.m_bMaximized);
    EXPECT_EQ(d.dlg.geometry(), restore);
    EXPECT_EQ(d.dlg.m_btnMax->toolTip(), QStringLiteral("最大化"));

    // On the resizable dialog a caption double-click maximises; one on the top band does not.
    SendMouse(d.dlg, QEvent::MouseButtonDblClick, {150, 1}, Qt::LeftButton);
    EXPECT_FALSE(d.dlg.m_bMaximized);
    SendMouse(d.dlg, QEvent::MouseButtonRelease, {150, 1}, Qt::NoButton);
    SendMouse(d.dlg, QEvent::MouseButtonDblClick, {150, 12}, Qt::LeftButton);
    EXPECT_TRUE(d.dlg.m_bMaximized);
}

TEST(CDlgEx, MaximiseRespectsTheSizeCap) {
    SkinnedDialog d;
    d.dlg.m_nMaxWidth = 400;
    d.dlg.m_nMaxHeight = 300;
    d.dlg.ToggleMaximize();
    QCoreApplication::processEvents();
    EXPECT_EQ(d.dlg.geometry(), MaximizedRect(WorkArea(), 400, 300));
}

TEST(CDlgEx, DragsByTheCaptionAndResizesByTheEdgesWithoutAWindowManager) {
    SkinnedDialog d;
    const QPoint start = d.dlg.pos();
    SendMouse(d.dlg, QEvent::MouseButtonPress, {150, 15}, Qt::LeftButton);
    SendMouse(d.dlg, QEvent::MouseMove, {180, 35}, Qt::LeftButton, Qt::NoButton);
    SendMouse(d.dlg, QEvent::MouseButtonRelease, {180, 35}, Qt::NoButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.dlg.pos(), start + QPoint(30, 20));
    EXPECT_EQ(d.dlg.m_rcRestore, d.dlg.geometry());

    SendMouse(d.dlg, QEvent::MouseButtonPress, {298, 100}, Qt::LeftButton);
    SendMouse(d.dlg, QEvent::MouseMove, {338, 100}, Qt::LeftButton, Qt::NoButton);
    SendMouse(d.dlg, QEvent::MouseButtonRelease, {338, 100}, Qt::NoButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.dlg.size(), QSize(340, 200));
    EXPECT_EQ(d.dlg.m_btnClose->geometry(), QRect(307, 0, 33, 28));
    EXPECT_EQ(d.dlg.m_rcRestore, d.dlg.geometry());

    // The restore target follows moves made through the frame only.
    d.dlg.move(10, 10);
    QCoreApplication::processEvents();
    EXPECT_NE(d.dlg.m_rcRestore, d.dlg.geometry());
}

TEST(CDlgEx, CloseAndMinimiseButtons) {
    SkinnedDialog d;
    d.dlg.m_btnMin->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.dlg.isMinimized());
    d.dlg.showNormal();
    d.dlg.m_btnClose->click();
    EXPECT_TRUE(d.dlg.isVisible()); // the close is posted, not immediate
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.dlg.isVisible());
    EXPECT_EQ(d.dlg.result(), CDlgEx::IDCANCEL);
}

} // namespace
