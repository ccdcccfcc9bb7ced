// Label wrapping, the progress fill and the message box's geometry, with given text sizes.
#include "skin/LabelWrap.h"
#include "skin/MessageBoxLayout.h"
#include "skin/ProgressFill.h"

#include <gtest/gtest.h>

namespace {

// Full-width characters 12 pixels wide, everything else 6.
int Measure(const QString& s) {
    int w = 0;
    for (QChar c : s)
        w += c.unicode() >= 0x2E80 ? 12 : 6;
    return w;
}

TEST(WrapLabelText, BreaksAfterTheLastFittingCharacter) {
    const struct {
        QString text;
        int width;
        QStringList lines;
    } cases[] = {
        {"登录其他账号", 72, {"登录其他账号"}},     {"登录其他账号", 71, {"登录其他账", "号"}},
        {"登录其他账号", 50, {"登录其他", "账号"}}, {"登录其他账号", 24, {"登录", "其他", "账号"}},
        {"ab登录", 23, {"ab", "登", "录"}},         {"登录\n其他", 100, {"登录", "其他"}},
        {"登录\r\n其他", 100, {"登录", "其他"}},    {"登\r录", 100, {"登录"}},
        {"a\n\nb\n", 100, {"a", "", "b", ""}},      {"", 100, {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapLabelText(c.text, c.width, Measure), c.lines) << c.text.toStdString();
}

TEST(WrapLabelText, CharacterWiderThanTheLineGetsALineOfItsOwn) {
    // 10 pixels fit the narrow characters but never a full-width one.
    EXPECT_EQ(WrapLabelText("a登b", 10, Measure), (QStringList{"a", "登", "b"}));
    EXPECT_EQ(WrapLabelText("登登", 10, Measure), (QStringList{"登", "登"}));
}

TEST(WrapLabelText, GrowthHeight) {
    EXPECT_EQ(LabelHeightFor(3, 16, 3), 3 * 16 + 2 * 3);
    EXPECT_EQ(LabelHeightFor(1, 16, 5), 16);
}

TEST(ProgressFill, SplitsTheFillIntoBothEnds) {
    const struct {
        int lower, upper, pos;
        ProgressFill fill;
    } cases[] = {
        {0, 60, 30, {97, 292, 98}}, // 195 px: columns 0-96 then 292-389
        {0, 60, 60, {195, 195, 195}},   {0, 60, 0, {0, 390, 0}},
        {0, 100, 1, {1, 388, 2}}, // 3.9 truncates to 3
        {0, 100, 150, {195, 195, 195}}, {0, 100, -5, {0, 390, 0}},
        {10, 70, 40, {97, 292, 98}}, // measured from the range's lower end
        {0, 0, 5, {0, 0, 0}},        // empty range: empty fill
        {7, 3, 5, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ProgressFill f = ProgressFillPlan(390, c.lower, c.upper, c.pos);
        EXPECT_EQ(f, c.fill) << c.lower << ".." << c.upper << " at " << c.pos;
    }
}

TEST(ProgressFill, PercentAndPlacement) {
    EXPECT_EQ(ProgressPercentText(0, 60, 30), "50%");
    EXPECT_EQ(ProgressPercentText(0, 3, 2), "66%");
    EXPECT_EQ(ProgressPercentText(0, 0, 0), "");
    EXPECT_EQ(ProgressFillRect({390, 21}, {390, 21}), QRect(0, 0, 390, 21));
    EXPECT_EQ(ProgressFillRect({400, 25}, {390, 20}), QRect(5, 2, 390, 20));
}

TEST(MessageBoxLayout, SizesTheBoxToItsText) {
    const QSize button(57, 23);
    const struct {
        QSize text;
        int lines, type;
        QSize box;
        QRect first, second;
        QPoint line;
    } cases[] = {
        {{120, 12}, 1, 0, {174, 128}, QRect(58, 75, 57, 23), QRect(), {27, 55}},
        {{120, 12}, 1, 4, {174, 128}, QRect(20, 75, 57, 23), QRect(97, 75, 57, 23), {27, 55}},
        {{120, 12}, 1, 1, {174, 128}, QRect(20, 75, 57, 23), QRect(97, 75, 57, 23), {27, 55}},
        {{150, 12}, 1, 0, {174, 128}, QRect(58, 75, 57, 23), QRect(), {12, 55}},
        {{180, 12}, 1, 0, {240, 128}, QRect(91, 75, 57, 23), QRect(), {30, 55}},
        {{170, 12}, 1, 0, {194, 128}, QRect(68, 75, 57, 23), QRect(), {12, 55}}, // margins never below 12
        {{174, 12}, 1, 4, {198, 128}, QRect(32, 75, 57, 23), QRect(109, 75, 57, 23), {12, 55}},
        {{175, 12}, 1, 7, {235, 128}, QRect(89, 75, 57, 23), QRect(), {30, 55}},
        {{180, 24}, 2, 4, {240, 143}, QRect(53, 90, 57, 23), QRect(130, 90, 57, 23), {30, 55}},
    };
    for (const auto& c : cases) {
        const MessageBoxGeometry g = LayoutMessageBox(c.text, c.lines, button, c.type);
        EXPECT_EQ(g.box, c.box) << c.text.width() << " type " << c.type;
        EXPECT_EQ(g.first, c.first) << c.text.width() << " type " << c.type;
        EXPECT_EQ(g.second, c.second) << c.text.width() << " type " << c.type;
        EXPECT_EQ(g.firstLine, c.line) << c.text.width();
        // The text block ends at least 8 pixels above the buttons.
        EXPECT_LE(55 + c.text.height() + 3 * (c.lines - 1) + 8, g.first.top());
    }
    const MessageBoxGeometry two = LayoutMessageBox({180, 24}, 2, button, 4);
    EXPECT_EQ(two.lineHeight, 12);
    EXPECT_EQ(two.lineStep, 15);
}

TEST(MessageBoxLayout, LinesSplitAtLineFeedsOnly) {
    EXPECT_EQ(SplitMessageLines("第一行\r\n第二行"), (QStringList{"第一行\r", "第二行"}));
    EXPECT_EQ(CountMessageLines("第一行\r\n第二行"), 2);
    EXPECT_EQ(CountMessageLines("a\rb"), 1);
    EXPECT_EQ(CountMessageLines("a\n\nb\n"), 4);
    EXPECT_EQ(CountMessageLines(""), 1);
}

} // namespace
