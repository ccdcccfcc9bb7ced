// The image button, the label and the progress bar, painted offscreen.
#include "WidgetHelpers.h"

#include "skin/BtnEx.h"
#include "skin/ImgProgress.h"
#include "skin/SkinImage.h"
#include "skin/StaticEx.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QRgb kStates[4] = {0xC80000, 0x00C800, 0x0000C8, 0xC8C800}; // normal, hover, pressed, disabled

// The state colour a button shows, read from a pixel away from its magenta corner.
QRgb ShownAt(Host& host, const CBtnEx& button) {
    return Rgb(Grab(host).pixel(button.geometry().bottomRight() - QPoint(1, 1)));
}

TEST(CBtnEx, StripOfFourStatesSizesTheButtonToOneState) {
    Host host;
    CBtnEx button(&host);
    button.SetImage(LoadSkinImage(132), true);
    EXPECT_EQ(button.size(), QSize(33, 28));
    ASSERT_EQ(button.StateImages().size(), 4);
    for (const QImage& state : button.StateImages())
        EXPECT_EQ(state.size(), QSize(33, 28));

    CBtnEx kept(&host);
    kept.resize(50, 40);
    kept.SetImage(LoadSkinImage(132), false);
    EXPECT_EQ(kept.size(), QSize(50, 40));
}

TEST(CBtnEx, LargerButtonStretchesItsStateWithMagentaStillTransparent) {
    Host host;
    CBtnEx button(&host);
    button.setGeometry(10, 10, 8, 8); // 2x2 states drawn four times as large
    button.SetImage(FixtureStrip(2, 2, kStates), false);
    button.show();
    const QImage shot = Grab(host);
    for (QPoint p : {QPoint(10, 10), QPoint(13, 13)})
        EXPECT_EQ(Rgb(shot.pixel(p)), Host::kGrey);
    for (QPoint p : {QPoint(14, 10), QPoint(10, 14), QPoint(17, 17)})
        EXPECT_EQ(Rgb(shot.pixel(p)), kStates[0]);
}

TEST(CBtnEx, ShowsHoverPressedAndDisabledStates) {
    Host host;
    CBtnEx button(&host);
    button.setGeometry(10, 10, 8, 8);
    button.SetImage(FixtureStrip(2, 2, kStates), false);
    button.show();
    EXPECT_EQ(ShownAt(host, button), kStates[0]);
    QEnterEvent enter(QPointF(4, 4), QPointF(14, 14), button.mapToGlobal(QPointF(4, 4)));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(ShownAt(host, button), kStates[1]);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(ShownAt(host, button), kStates[0]);
    button.setEnabled(false);
    EXPECT_EQ(ShownAt(host, button), kStates[3]);
}

TEST(CBtnEx, PressedLatchHoldsWhileThePointerSlidesOff) {
    Host host;
    CBtnEx button(&host);
    button.setGeometry(10, 10, 8, 8);
    button.SetImage(FixtureStrip(2, 2, kStates), false);
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });

    SendMouse(button, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    EXPECT_EQ(ShownAt(host, button), kStates[2]);
    SendMouse(button, QEvent::MouseMove, {40, 40}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(ShownAt(host, button), kStates[2]);
    SendMouse(button, QEvent::MouseButtonRelease, {40, 40}, Qt::NoButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ShownAt(host, button), kStates[0]);

    // A release on the button clicks once.
    SendMouse(button, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {4, 4}, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ShownAt(host, button), kStates[0]);
}

TEST(CBtnEx, DisabledTextIsGrey) {
    Host host;
    CBtnEx button(&host);
    const QRgb white[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    button.SetImage(FixtureStrip(57, 23, white), true);
    button.m_strText = QStringLiteral("确定");
    button.m_clrText = QColor(255, 0, 0);
    button.show();
    auto inks = [&](auto&& test) {
        const QImage shot = Grab(button);
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += (x || y) && test(QColor(shot.pixel(x, y))); // (0, 0) is the host
        return n;
    };
    auto red = [](QColor c) { return c.red() > 200 && c.green() < 120 && c.blue() < 120; };
    auto grey = [](QColor c) {
        return c.red() > 40 && c.red() < 170 && std::abs(c.red() - c.green()) < 6 &&
               std::abs(c.red() - c.blue()) < 6;
    };
    EXPECT_GT(inks(red), 5);
    EXPECT_EQ(inks(grey), 0);
    button.setEnabled(false);
    EXPECT_EQ(inks(red), 0);
    EXPECT_GT(inks(grey), 5);
}

// ---- label ----

struct LabelFixture {
    Host host;
    CStaticEx label{&host};
    QFontMetrics fm{label.GetLabelFont()};
    int L = fm.height();

    int Lines(const QString& text, int width) {
        label.m_strText = text;
        label.resize(width, L);
        QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        return label.DrawLabelText(p);
    }
};

TEST(CStaticEx, WrapsAtTheLastFittingCharacterAndAtLineFeeds) {
    LabelFixture f;
    const QString text = QStringLiteral("登录其他账号");
    const int four = f.fm.horizontalAdvance(QStringLiteral("登录其他"));
    EXPECT_EQ(f.Lines(text, f.fm.horizontalAdvance(text)), 1);
    EXPECT_EQ(f.Lines(text, f.fm.horizontalAdvance(text) - 1), 2);
    EXPECT_EQ(f.Lines(text, four), 2);
    EXPECT_EQ(f.Lines(QStringLiteral("登录\n其他"), 400), 2);
    EXPECT_EQ(f.Lines(QStringLiteral("登录\r其他"), 400), 1);
    // Narrower than one full-width character: nothing at all.
    EXPECT_EQ(f.Lines(text, f.fm.horizontalAdvance(QStringLiteral("测试用汉字来获取宽度")) / 10 - 1), 0);
}

TEST(CStaticEx, CarriageReturnsDrawNothing) {
    Host host;
    CStaticEx plain(QStringLiteral("登录其他"), &host), withCr(QStringLiteral("登\r录其\r他"), &host),
        empty(&host);
    for (CStaticEx* l : {&plain, &withCr, &empty}) {
        l->resize(200, 20);
        l->show();
    }
    const QImage a = Grab(plain);
    EXPECT_EQ(a, Grab(withCr));
    EXPECT_NE(a, Grab(empty));
}

TEST(CStaticEx, GrowsToTheHeightOfItsLines) {
    for (int spacing : {3, 5}) {
        Host host;
        CStaticEx label(QStringLiteral("第一行\n第二行\n第三行"), &host);
        label.m_nLineSpacing = spacing;
        label.resize(200, 10);
        label.show();
        const int L = QFontMetrics(label.GetLabelFont()).height();
        Grab(label);
        QCoreApplication::processEvents();
        EXPECT_EQ(label.height(), 3 * L + 2 * spacing);
        EXPECT_EQ(label.width(), 200);
    }
}

TEST(CStaticEx, TooNarrowLabelDrawsNoText) {
    Host host;
    CStaticEx label(QStringLiteral("登录其他账号"), &host);
    label.resize(5, 20);
    label.show();
    const QImage shot = Grab(host).copy(label.geometry());
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(Rgb(shot.pixel(x, y)), Host::kGrey);
    QCoreApplication::processEvents();
    EXPECT_EQ(label.height(), 20);
}

TEST(CStaticEx, ImageSitsLeftOfTheText) {
    Host host;
    CStaticEx label(QStringLiteral("登录"), &host);
    label.resize(92, 20);
    EXPECT_FALSE(label.SetImage(QImage()));
    const QImage padlock = LoadSkinImage(142);
    ASSERT_TRUE(label.SetImage(padlock));
    label.show();
    const QImage shot = Grab(host);
    const int top = (20 - 16) / 2;
    EXPECT_EQ(Rgb(shot.pixel(3 + 7, top + 12)), Rgb(padlock.pixel(7, 12)));
    EXPECT_EQ(Rgb(shot.pixel(3 + 0, top + 0)), Host::kGrey); // magenta corner of the padlock
}

// ---- progress bar ----

struct ProgressFixture {
    static constexpr QRgb kBack = 0x0A141E;
    Host host;
    CImgProgress bar{&host};
    ProgressFixture() {
        QImage back(390, 21, QImage::Format_RGB32);
        back.fill(kBack);
        QImage fill(390, 21, QImage::Format_RGB32);
        for (int x = 0; x < 390; ++x)
            for (int y = 0; y < 21; ++y)
                fill.setPixel(x, y, qRgb(x & 0xFF, x >> 8, 77));
        bar.SetImages(back, fill);
        bar.show();
    }
    // Which fill column each x shows in the middle row, -1 for the background.
    QVector<int> Columns() {
        const QImage shot = Grab(host);
        QVector<int> cols;
        for (int x = 0; x < 390; ++x) {
            const QRgb p = Rgb(shot.pixel(x, 10));
            cols.append(p == kBack ? -1 : qRed(p) + 256 * qGreen(p));
        }
        return cols;
    }
};

TEST(CImgProgress, HalfwayFillsBothEndsOfThePicture) {
    ProgressFixture f;
    EXPECT_EQ(f.bar.size(), QSize(390, 21));
    f.bar.setRange(0, 60);
    f.bar.setValue(30);
    const QVector<int> cols = f.Columns();
    for (int x = 0; x < 97; ++x)
        ASSERT_EQ(cols[x], x) << x;
    for (int x = 97; x < 195; ++x)
        ASSERT_EQ(cols[x], 292 + (x - 97)) << x;
    for (int x = 195; x < 390; ++x)
        ASSERT_EQ(cols[x], -1) << x;
}

TEST(CImgProgress, EmptyRangeDrawsAnEmptyFillAndNoPercent) {
    ProgressFixture f;
    f.bar.m_bShowPercent = true;
    f.bar.setRange(0, 0);
    f.bar.setValue(0);
    for (int c : f.Columns())
        ASSERT_EQ(c, -1);
    const QImage shot = Grab(f.host);
    for (int y = 0; y < 21; ++y)
        ASSERT_EQ(Rgb(shot.pixel(195, y)), ProgressFixture::kBack);
}

} // namespace
