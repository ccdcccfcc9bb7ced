// The message box: its size and buttons from the measured text, its painting,
// its results and the keys it ignores.
#include "WidgetHelpers.h"

#include "skin/BtnEx.h"
#include "skin/MessageBox.h"
#include "skin/MessageBoxLayout.h"
#include "skin/SkinImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

namespace {

void SetUpBox(CMessageBox& box, int type, const QString& text) {
    box.SetContent(type, text, LoadSkinImage(131), LoadSkinImage(132), LoadSkinImage(133),
                   LoadSkinImage(133));
    box.show();
    QCoreApplication::processEvents();
}

// Runs AppMessageBox and does `act` on the box once it is up.
int RunBox(int type, const QString& text, const std::function<void(CMessageBox&)>& act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* box = qobject_cast<CMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*box);
        }
    });
    timer->start();
    return AppMessageBox(nullptr, type, text);
}

void Key(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier), release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QCoreApplication::sendEvent(&widget, &release);
}

TEST(CMessageBox, SizesItselfAndPlacesItsButtonsFromTheMeasuredText) {
    const struct {
        int type;
        QString text;
        QString first, second;
    } cases[] = {
        {0, QStringLiteral("当前网络不可用，请检查网络连接是否正常！"), QStringLiteral("确定"), QString()},
        {4, QStringLiteral("确定要移除 6182Orvane吗？\n第二行"), QStringLiteral("是"), QStringLiteral("否")},
        {1, QStringLiteral("短"), QStringLiteral("确定"), QStringLiteral("取消")},
    };
    for (const auto& c : cases) {
        CMessageBox box;
        SetUpBox(box, c.type, c.text);
        const MessageBoxGeometry g = LayoutMessageBox(MeasureMessage(QFontMetrics(box.font()), c.text),
                                                      CountMessageLines(c.text), {57, 23}, c.type);
        EXPECT_EQ(box.size(), g.box);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("6182Orvane"));
        ASSERT_TRUE(box.m_btnOk);
        EXPECT_EQ(box.m_btnOk->geometry(), g.first);
        EXPECT_EQ(box.m_btnOk->m_strText, c.first);
        if (c.second.isEmpty()) {
            EXPECT_EQ(box.m_btnCancel, nullptr);
        } else {
            ASSERT_TRUE(box.m_btnCancel);
            EXPECT_EQ(box.m_btnCancel->geometry(), g.second);
            EXPECT_EQ(box.m_btnCancel->m_strText, c.second);
        }
        ASSERT_TRUE(box.m_btnClose);
        EXPECT_EQ(box.m_btnClose->geometry(), QRect(g.box.width() - 33, 0, 33, 28));
    }
}

TEST(CMessageBox, DrawsLinesLeftAlignedAsACentredBlockFromY55) {
    CMessageBox box;
    const QString text = QStringLiteral("第一行文字很长很长\n短");
    SetUpBox(box, 0, text);
    const QFontMetrics fm(box.font());
    const QSize measured = MeasureMessage(fm, text);
    const int left = (box.width() - measured.width()) / 2, lineH = measured.height() / 2;
    const QImage shot = Grab(box);
    const QRgb body = Rgb(LoadSkinImage(131).pixel(15, 40));
    auto inkIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += Rgb(shot.pixel(x, y)) != body;
        return n;
    };
    EXPECT_GT(inkIn(QRect(left, 55, measured.width(), lineH)), 20);
    EXPECT_GT(inkIn(QRect(left, 55 + lineH + 3, fm.horizontalAdvance(QStringLiteral("短")), lineH)), 5);
    EXPECT_EQ(inkIn(QRect(4, 31, left - 5, 20 + 2 * lineH)), 0);     // nothing left of the block
    EXPECT_EQ(inkIn(QRect(4, 31, box.width() - 8, 55 - 31 - 1)), 0); // nor above it
    // The second line starts where the first does.
    EXPECT_EQ(inkIn(QRect(left + fm.horizontalAdvance(QStringLiteral("短")) + 2, 55 + lineH + 3, 40, lineH)),
              0);
}

TEST(CMessageBox, CarriageReturnBeforeLineFeedDrawsAsAPlainBreak) {
    CMessageBox crlf, lf;
    SetUpBox(crlf, 0, QStringLiteral("第一行\r\n第二行"));
    SetUpBox(lf, 0, QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(crlf.size(), lf.size());
    EXPECT_EQ(Grab(crlf), Grab(lf));
}

TEST(CMessageBox, ButtonsAndTheCloseButtonGiveTheirResults) {
    const struct {
        int type;
        int button; // 0 first, 1 second, 2 close
        int result;
    } cases[] = {
        {4, 0, 6}, {4, 1, 7}, {4, 2, 2}, {1, 0, 1}, {1, 1, 2}, {1, 2, 2}, {0, 0, 1}, {0, 2, 2}, {3, 0, 1},
    };
    for (const auto& c : cases) {
        const int result = RunBox(c.type, QStringLiteral("问题"), [&](CMessageBox& box) {
            CBtnEx* b = c.button == 0 ? box.m_btnOk : c.button == 1 ? box.m_btnCancel : box.m_btnClose;
            ASSERT_TRUE(b);
            b->click();
        });
        EXPECT_EQ(result, c.result) << "type " << c.type << " button " << c.button;
    }
}

TEST(CMessageBox, EnterAndEscapeLeaveTheBoxOpen) {
    bool stillOpen = false;
    const int result = RunBox(4, QStringLiteral("确定要移除吗？"), [&](CMessageBox& box) {
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            Key(box, key);
        QCoreApplication::processEvents();
        stillOpen = box.isVisible();
        box.close(); // as Alt+F4 does
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 2);
}

TEST(CMessageBox, MissingImagesFallBackToTextButtons) {
    CMessageBox box;
    box.SetContent(4, QStringLiteral("问题"), QImage(), QImage(), QImage(), QImage());
    box.show();
    QCoreApplication::processEvents();
    const MessageBoxGeometry g =
        LayoutMessageBox(MeasureMessage(QFontMetrics(box.font()), QStringLiteral("问题")), 1, {57, 23}, 4);
    EXPECT_EQ(box.size(), g.box);
    ASSERT_TRUE(box.m_btnOk && box.m_btnCancel);
    EXPECT_EQ(box.m_btnOk->geometry(), g.first);
    EXPECT_EQ(box.m_btnCancel->geometry(), g.second);
    EXPECT_TRUE(box.m_btnOk->StateImages().isEmpty());
    EXPECT_EQ(box.m_btnClose, nullptr);
    box.close();
    EXPECT_EQ(box.result(), 2);
}

} // namespace
