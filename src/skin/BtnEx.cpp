#include "skin/BtnEx.h"

#include "skin/SkinFont.h"
#include "skin/SkinImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The window system's grey text colour.
const QColor kGrayText(109, 109, 109);
} // namespace

CBtnEx::CBtnEx(QWidget* parent) : CBtnEx(QString(), parent) {}

CBtnEx::CBtnEx(const QString& text, QWidget* parent) : QAbstractButton(parent), m_strText(text) {
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::TabFocus);
}

bool CBtnEx::SetImage(const QImage& strip, bool resize) {
    m_imgList.clear();
    for (const QImage& state : SplitStrip(strip, 4))
        m_imgList.append(KeyToAlpha(state));
    if (resize && !strip.isNull()) this->resize(strip.width() / 4, strip.height());
    update();
    return true;
}

void CBtnEx::SetTooltip(const QString& text) {
    m_strTooltip = text;
    m_bTooltip = true;
    setToolTip(text);
}

CBtnEx::State CBtnEx::CurrentState() {
    if (!isEnabled()) return Disabled;
    if (isDown() || m_bPressed) {
        m_bPressed = true;
        return Pressed;
    }
    return m_bHover ? Hover : Normal;
}

void CBtnEx::ResetHover() {
    m_bHover = false;
    update();
}

QSize CBtnEx::sizeHint() const {
    if (!m_imgList.isEmpty()) return m_imgList.first().size();
    return QSize(57, 23);
}

void CBtnEx::paintEvent(QPaintEvent*) {
    const State state = CurrentState();
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter p(&buffer);
        if (state < m_imgList.size()) {
            const QImage& image = m_imgList.at(state);
            if (image.size() == size()) {
                p.drawImage(0, 0, image);
            } else {
                p.setRenderHint(QPainter::SmoothPixmapTransform, false);
                p.drawImage(rect(), image);
            }
        }
        if (!m_strText.isEmpty()) {
            p.setPen(state == Disabled ? kGrayText : m_clrText);
            p.setFont(SkinFontFrom(font(), 12));
            p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_strText);
        }
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void CBtnEx::enterEvent(QEnterEvent* event) {
    m_bHover = true;
    if (m_bTooltip) setToolTip(m_strTooltip);
    update();
    QAbstractButton::enterEvent(event);
}

void CBtnEx::leaveEvent(QEvent* event) {
    m_bHover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CBtnEx::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_bPressed = false;
    QAbstractButton::mouseReleaseEvent(event);
    update();
}

void CBtnEx::keyReleaseEvent(QKeyEvent* event) {
    // A press by the keyboard has no left-button release to end the latch.
    QAbstractButton::keyReleaseEvent(event);
    if (!isDown()) m_bPressed = false;
    update();
}
