#include "skin/SkinDraw.h"

#include "skin/SkinImage.h"

#include <QPainter>
#include <algorithm>

bool SkinFitsFrame(QSize skin, int border, int caption) {
    const int top = caption == -1 ? border : caption;
    return border >= 0 && top >= 0 && skin.width() > 2 * border && skin.height() > top + border;
}

QVector<SkinPiece> SkinDrawPlan(QSize window, QSize skin, int border, int caption, bool nineGrid) {
    QVector<SkinPiece> plan;
    if (!SkinFitsFrame(skin, border, caption)) return plan;
    const int W = window.width(), H = window.height(), w = skin.width(), h = skin.height();
    const int B = border, C = caption == -1 ? border : caption;
    auto copy = [&](int x, int y, int cw, int ch, int sx, int sy) {
        if (cw > 0 && ch > 0) plan.append({QRect(x, y, cw, ch), QRect(sx, sy, cw, ch), false});
    };
    auto stretch = [&](QRect dst, QRect src) {
        if (!dst.isEmpty() && !src.isEmpty()) plan.append({dst, src, true});
    };
    if (nineGrid) {
        copy(0, 0, B, C, 0, 0);
        if (caption == -1) {
            stretch(QRect(B, 0, W - 2 * B, B), QRect(B, 0, w - 2 * B, B));
        } else {
            const int t = w - 2 * B;
            for (int x = B;; x += t) {
                copy(x, 0, t, C, B, 0);
                if (x >= W - B) break;
            }
        }
    } else {
        copy(0, 0, W, H, 0, 0);
    }
    copy(W - B, 0, B, C, w - B, 0);
    if (nineGrid) stretch(QRect(0, C, B, H - C - B), QRect(0, C, B, h - C - B));
    stretch(QRect(W - B, C, B, H - C - B), QRect(w - B, C, B, h - C - B));
    if (nineGrid) stretch(QRect(B, C, W - 2 * B, H - C - B), QRect(B, C, w - 2 * B, h - C - B));
    copy(0, H - B, B, B, 0, h - B);
    stretch(QRect(B, H - B, W - 2 * B, B), QRect(B, h - B, w - 2 * B, B));
    copy(W - B, H - B, B, B, w - B, h - B);
    return plan;
}

void PaintSkin(QPainter& painter, const QImage& skin, const QVector<SkinPiece>& plan) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const SkinPiece& piece : plan) {
        if (piece.stretch) {
            painter.drawImage(piece.dst, skin, piece.src);
            continue;
        }
        // A copy reads only what the skin holds; the rest of its destination stays as it was.
        const QRect src = piece.src.intersected(skin.rect());
        if (src.isEmpty()) continue;
        painter.drawImage(piece.dst.topLeft() + (src.topLeft() - piece.src.topLeft()), skin, src);
    }
    painter.restore();
}

QRegion SkinWindowRegion(const QImage& skin, QSize window) {
    QRegion region(0, 0, window.width(), window.height());
    if (skin.isNull()) return region;
    const int w = skin.width(), h = skin.height(), Wn = window.width(), Hn = window.height();
    const int cols = std::min(w, 9);
    QRegion cut;
    auto test = [&](int sx, int sy, int wx, int wy) {
        if (IsSkinKey(skin.pixel(sx, sy))) cut += QRect(wx, wy, 1, 1);
    };
    for (int y = 0; y < std::min(h, 9); ++y)
        for (int c = 0; c < cols; ++c) {
            test(c, y, c, y);
            test(w - 1 - c, y, Wn - 1 - c, y);
        }
    for (int y = std::max(0, h - 9); y < h; ++y)
        for (int c = 0; c < cols; ++c) {
            test(c, y, c, Hn + y - h);
            test(w - 1 - c, y, Wn - 1 - c, Hn + y - h);
        }
    return region.subtracted(cut);
}
