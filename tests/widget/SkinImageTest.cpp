// Colour keys, the shipped images and the skin's drawing plan and window region.
#include "skin/SkinImage.h"
#include "skin/SkinDraw.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

QImage WithAlpha(QRgb argb) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, argb);
    return image;
}

QRgb Rgb(QRgb p) {
    return p & 0xFFFFFFu;
}

TEST(ColourKey, FlattensAlphaOverWhiteAndKeysFullTransparency) {
    struct Case {
        QRgb in;
        QRgb out;
    } cases[] = {
        {qRgba(0, 0, 0, 128), 0x7F7F7F},   // composited over white
        {qRgba(10, 200, 30, 0), 0xFF00FF}, // fully transparent: the key, whatever the colour
        {qRgba(0, 0, 0, 0), 0xFF00FF},       {qRgba(12, 34, 56, 255), 0x0C2238}, // opaque: unchanged
        {qRgba(255, 0, 255, 255), 0xFF00FF}, // opaque magenta stays transparent
        {qRgba(100, 0, 255, 1), 0xFEFEFF},   // (1*(c-255)+65025)/255
    };
    for (const Case& c : cases) {
        const QImage out = ConvertToColourKey(WithAlpha(c.in), kSkinKey);
        ASSERT_FALSE(out.isNull());
        EXPECT_EQ(Rgb(out.pixel(0, 0)), c.out) << std::hex << c.in;
    }
    EXPECT_TRUE(ConvertToColourKey(QImage(), kSkinKey).isNull());
}

TEST(ColourKey, KeepsRowOrder) {
    QImage image(1, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(0, 1, qRgba(0, 0, 255, 255));
    const QImage out = ConvertToColourKey(image, kSkinKey);
    EXPECT_EQ(Rgb(out.pixel(0, 0)), 0xFF0000u);
    EXPECT_EQ(Rgb(out.pixel(0, 1)), 0x0000FFu);
}

TEST(SkinImages, EveryImageHasItsBoundSize) {
    struct Case {
        int id;
        QSize size;
    } cases[] = {
        {129, {1483, 759}}, {131, {30, 51}},  {132, {132, 28}},  {133, {228, 23}}, {134, {30, 51}},
        {135, {108, 28}},   {136, {108, 28}}, {137, {108, 28}},  {138, {108, 27}}, {139, {176, 28}},
        {140, {567, 22}},   {141, {39, 13}},  {142, {14, 16}},   {148, {108, 27}}, {149, {108, 27}},
        {152, {390, 21}},   {153, {390, 21}}, {162, {284, 150}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadSkinImage(c.id).size(), c.size) << c.id;
    EXPECT_TRUE(LoadSkinImage(130).isNull());
    EXPECT_FALSE(QImage(QStringLiteral(":/icon/128.png")).isNull());
}

TEST(SkinImages, ButtonStatesDifferAndStripsSplitEvenly) {
    for (int id : {132, 133, 135, 136, 137, 138, 139, 148, 149}) {
        const QVector<QImage> states = SplitStrip(LoadSkinImage(id), 4);
        ASSERT_EQ(states.size(), 4) << id;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(states[a], states[b]) << id << " states " << a << "," << b;
    }
    const QVector<QImage> close = SplitStrip(LoadSkinImage(132), 4);
    EXPECT_EQ(close.first().size(), QSize(33, 28));
    EXPECT_EQ(SplitStrip(LoadSkinImage(140), 3).first().size(), QSize(189, 22));
    EXPECT_TRUE(SplitStrip(QImage(3, 5, QImage::Format_RGB32), 4).isEmpty());
}

TEST(SkinImages, DialogSkinsHaveRoundedTopCornersOnly) {
    for (int id : {131, 134, 162}) {
        const QImage skin = LoadSkinImage(id);
        const int w = skin.width(), h = skin.height();
        const int cut[4] = {3, 2, 1, 0};
        for (int y = 0; y < 4; ++y)
            for (int c = 0; c < 4; ++c) {
                EXPECT_EQ(IsSkinKey(skin.pixel(c, y)), c < cut[y]) << id << " at " << c << "," << y;
                EXPECT_EQ(IsSkinKey(skin.pixel(w - 1 - c, y)), c < cut[y]) << id;
                EXPECT_FALSE(IsSkinKey(skin.pixel(c, h - 1 - y))) << id;
            }
    }
    // 131 light body, 134 black body, both under a blue caption.
    const QColor light = LoadSkinImage(131).pixelColor(15, 40), black = LoadSkinImage(134).pixelColor(15, 40);
    const QColor caption = LoadSkinImage(131).pixelColor(15, 15);
    EXPECT_GT(light.lightness(), 220);
    EXPECT_EQ(black, QColor(0, 0, 0));
    EXPECT_GT(caption.blue(), caption.red() + 80);
}

// ---- drawing plan ----

TEST(SkinDrawPlan, NineGridTilesTheCaptionAndStretchesTheRest) {
    const QVector<SkinPiece> plan = SkinDrawPlan({100, 80}, {30, 51}, 4, 30, true);
    QVector<SkinPiece> expected = {{QRect(0, 0, 4, 30), QRect(0, 0, 4, 30), false}};
    // Tiles of 22 from x 4, ending with the first one at or past x 96.
    for (int x : {4, 26, 48, 70, 92, 114})
        expected.append({QRect(x, 0, 22, 30), QRect(4, 0, 22, 30), false});
    expected += {
        {QRect(96, 0, 4, 30), QRect(26, 0, 4, 30), false},
        {QRect(0, 30, 4, 46), QRect(0, 30, 4, 17), true},
        {QRect(96, 30, 4, 46), QRect(26, 30, 4, 17), true},
        {QRect(4, 30, 92, 46), QRect(4, 30, 22, 17), true},
        {QRect(0, 76, 4, 4), QRect(0, 47, 4, 4), false},
        {QRect(4, 76, 92, 4), QRect(4, 47, 22, 4), true},
        {QRect(96, 76, 4, 4), QRect(26, 47, 4, 4), false},
    };
    EXPECT_EQ(plan, expected);
}

TEST(SkinDrawPlan, WholeWindowCaptionStretchesTheTopBand) {
    const QVector<SkinPiece> plan = SkinDrawPlan({100, 80}, {30, 51}, 4, -1, true);
    ASSERT_GE(plan.size(), 2);
    EXPECT_EQ(plan[0], (SkinPiece{QRect(0, 0, 4, 4), QRect(0, 0, 4, 4), false}));
    EXPECT_EQ(plan[1], (SkinPiece{QRect(4, 0, 92, 4), QRect(4, 0, 22, 4), true}));
}

TEST(SkinDrawPlan, PlainModeCopiesAndFollowsTheRightAndBottomEdges) {
    const QVector<SkinPiece> plan = SkinDrawPlan({300, 160}, {284, 150}, 3, 30, false);
    const QVector<SkinPiece> expected = {
        {QRect(0, 0, 300, 160), QRect(0, 0, 300, 160), false},
        {QRect(297, 0, 3, 30), QRect(281, 0, 3, 30), false},
        {QRect(297, 30, 3, 127), QRect(281, 30, 3, 117), true},
        {QRect(0, 157, 3, 3), QRect(0, 147, 3, 3), false},
        {QRect(3, 157, 294, 3), QRect(3, 147, 278, 3), true},
        {QRect(297, 157, 3, 3), QRect(281, 147, 3, 3), false},
    };
    EXPECT_EQ(plan, expected);
}

TEST(SkinDrawPlan, SkinsBreakingTheSizeInvariantDrawNothing) {
    EXPECT_TRUE(SkinDrawPlan({100, 80}, {8, 51}, 4, 30, true).isEmpty());  // not wider than 2B
    EXPECT_TRUE(SkinDrawPlan({100, 80}, {30, 34}, 4, 30, true).isEmpty()); // not taller than C+B
    EXPECT_TRUE(SkinDrawPlan({100, 80}, {30, 8}, 4, -1, true).isEmpty());  // not taller than 2B
    EXPECT_TRUE(SkinDrawPlan({100, 80}, {}, 4, 30, false).isEmpty());
    EXPECT_FALSE(SkinDrawPlan({100, 80}, {9, 9}, 4, -1, true).isEmpty());
}

TEST(SkinDrawPlan, PaintedSkinMatchesItsSourcePixels) {
    const QImage skin = LoadSkinImage(131);
    QImage window(200, 120, QImage::Format_RGB32);
    window.fill(Qt::green);
    QPainter p(&window);
    PaintSkin(p, skin, SkinDrawPlan(window.size(), skin.size(), 4, 30, true));
    p.end();
    const struct {
        QPoint at, from;
    } cases[] = {{{100, 15}, {15, 15}},  {{100, 60}, {15, 40}}, {{199, 60}, {29, 40}},
                 {{100, 119}, {15, 50}}, {{1, 5}, {1, 5}},      {{198, 2}, {28, 2}}};
    for (const auto& c : cases)
        EXPECT_EQ(window.pixel(c.at), skin.pixel(c.from)) << c.at.x() << "," << c.at.y();
}

// ---- window region ----

TEST(SkinWindowRegion, TopCornersLoseThreeTwoAndOnePixelsAtAnySize) {
    const QImage skin = LoadSkinImage(131);
    for (QSize size : {QSize(200, 120), QSize(517, 333)}) {
        const QRegion region = SkinWindowRegion(skin, size);
        const int W = size.width(), H = size.height();
        const int cut[4] = {3, 2, 1, 0};
        for (int y = 0; y < 4; ++y)
            for (int c = 0; c < 5; ++c) {
                EXPECT_EQ(region.contains(QPoint(c, y)), c >= cut[y]) << W << " left " << c << "," << y;
                EXPECT_EQ(region.contains(QPoint(W - 1 - c, y)), c >= cut[y])
                    << W << " right " << c << "," << y;
            }
        EXPECT_TRUE(region.contains(QPoint(0, H - 1)));
        EXPECT_TRUE(region.contains(QPoint(W - 1, H - 1)));
        EXPECT_EQ(region.boundingRect(), QRect(0, 0, W, H));
    }
}

TEST(SkinWindowRegion, OnlyTheCornerSquaresCount) {
    QImage skin(30, 30, QImage::Format_RGB32);
    skin.fill(Qt::white);
    skin.setPixel(15, 15, kSkinKey); // middle: ignored
    skin.setPixel(9, 0, kSkinKey);   // just outside the 9x9 square: ignored
    skin.setPixel(8, 8, kSkinKey);   // inside: cut
    skin.setPixel(29, 29, kSkinKey); // bottom-right corner: cut at the window's corner
    skin.setPixel(0, 22, kSkinKey);  // bottom-left square, row 22 of 30: 8 rows above the bottom
    const QRegion region = SkinWindowRegion(skin, {100, 60});
    EXPECT_EQ(QRegion(0, 0, 100, 60).subtracted(region),
              QRegion(8, 8, 1, 1) + QRegion(99, 59, 1, 1) + QRegion(0, 52, 1, 1));
}

} // namespace
