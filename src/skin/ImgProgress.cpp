#include "skin/ImgProgress.h"

#include "skin/ProgressFill.h"
#include "skin/SkinFont.h"
#include "skin/SkinImage.h"

#include <QPainter>

CImgProgress::CImgProgress(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
}

bool CImgProgress::SetImages(const QImage& background, const QImage& fill) {
    m_hbmBack = background;
    m_hbmFill = fill;
    if (!background.isNull()) resize(background.size());
    m_rcCtrl = QRect(QPoint(0, 0), background.size());
    m_rcFill = ProgressFillRect(size(), fill.size());
    update();
    return true;
}

void CImgProgress::paintEvent(QPaintEvent*) {
    QImage buffer(m_rcCtrl.size().isEmpty() ? size() : m_rcCtrl.size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter p(&buffer);
        if (!m_hbmBack.isNull()) DrawKeyed(p, m_hbmBack.rect(), m_hbmBack, m_hbmBack.rect());
        if (!m_hbmFill.isNull()) {
            const ProgressFill f = ProgressFillPlan(m_hbmFill.width(), minimum(), maximum(), value());
            const int x = m_rcFill.left(), y = m_rcFill.top(), h = m_hbmFill.height();
            DrawKeyed(p, QRect(x, y, f.head, h), m_hbmFill, QRect(0, 0, f.head, h));
            DrawKeyed(p, QRect(x + f.head, y, f.tail, h), m_hbmFill, QRect(f.tailFrom, 0, f.tail, h));
        }
        if (m_bShowPercent) {
            const QString text = ProgressPercentText(minimum(), maximum(), value());
            if (!text.isEmpty()) {
                p.setPen(m_clrText);
                p.setFont(SkinFontFrom(font(), 12));
                p.drawText(m_rcCtrl, Qt::AlignCenter, text);
            }
        }
    }
    QPainter(this).drawImage(0, 0, buffer);
}
