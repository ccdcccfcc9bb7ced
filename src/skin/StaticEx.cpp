#include "skin/StaticEx.h"

#include "skin/LabelWrap.h"
#include "skin/SkinFont.h"
#include "skin/SkinImage.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

CStaticEx::CStaticEx(QWidget* parent) : CStaticEx(QString(), parent) {}

CStaticEx::CStaticEx(const QString& text, QWidget* parent) : QWidget(parent), m_strText(text) {
    SetNotify(false);
}

bool CStaticEx::SetImage(const QImage& image) {
    if (image.isNull()) return false;
    m_image = KeyToAlpha(image);
    m_nImageWidth = image.width();
    m_nImageHeight = image.height();
    update();
    return true;
}

void CStaticEx::SetNotify(bool notify) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !notify);
}

void CStaticEx::SetAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QFont CStaticEx::GetLabelFont() {
    if (!m_font) {
        QFont f = SkinFontFrom(font(), 12);
        if (m_nFontWeight != -1) f.setWeight(static_cast<QFont::Weight>(qBound(1, m_nFontWeight, 1000)));
        f.setUnderline(m_bUnderline);
        m_font = f;
    }
    return *m_font;
}

int CStaticEx::DrawLabelText(QPainter& p) {
    QRect r = rect();
    if (!m_image.isNull()) r.setLeft(r.left() + m_nImageWidth + 6);
    int flags = Qt::TextSingleLine;
    if (m_alignment & Qt::AlignHCenter)
        flags |= Qt::AlignHCenter | Qt::AlignVCenter;
    else if (m_alignment & Qt::AlignRight)
        flags |= Qt::AlignRight | Qt::AlignTop;
    else
        flags |= Qt::AlignLeft | Qt::AlignTop;
    p.setPen(m_bHoverColour && m_bHover ? m_clrHover : m_clrText);
    const QFont font = GetLabelFont();
    p.setFont(font);
    const QFontMetrics fm(font);
    const QString probe = QStringLiteral("测试用汉字来获取宽度");
    const int lineHeight = fm.height();
    const int fullWidth = fm.horizontalAdvance(probe) / 10;
    r.setHeight(lineHeight);
    if (r.width() < fullWidth) return 0;
    const QStringList lines =
        WrapLabelText(m_strText, r.width(), [&fm](const QString& s) { return fm.horizontalAdvance(s); });
    for (const QString& line : lines) {
        p.drawText(r, flags, line);
        r.translate(0, lineHeight + m_nLineSpacing);
    }
    const int needed = LabelHeightFor(static_cast<int>(lines.size()), lineHeight, m_nLineSpacing);
    if (height() < needed) {
        // Grow after this paint, not inside it.
        QPointer<CStaticEx> self(this);
        QMetaObject::invokeMethod(
            this,
            [self, needed] {
                if (self && self->height() < needed) self->resize(self->width(), needed);
            },
            Qt::QueuedConnection);
    }
    return static_cast<int>(lines.size());
}

void CStaticEx::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter p(&buffer);
        if (!m_image.isNull()) p.drawImage(3, (height() - m_nImageHeight) / 2, m_image);
        DrawLabelText(p);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void CStaticEx::enterEvent(QEnterEvent* event) {
    m_bHover = true;
    setCursor(m_bHandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (m_bHoverColour) update();
    QWidget::enterEvent(event);
}

void CStaticEx::leaveEvent(QEvent* event) {
    m_bHover = false;
    if (m_bHoverColour) update();
    QWidget::leaveEvent(event);
}

void CStaticEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_bPressed = true;
    QWidget::mousePressEvent(event);
}

void CStaticEx::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        m_bPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_bPressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click) emit clicked();
}
