#include "skin/DlgFrame.h"

#include <algorithm>

HitCode DlgHitTest(QPoint p, QSize client, int border, int caption, bool resizable, bool maximized) {
    if (maximized) return HTCLIENT;
    const int x = p.x(), y = p.y(), cw = client.width(), ch = client.height(), B = border, C = caption;
    const bool inCaption = (0 <= y && y < C) || C == -1;
    if (!resizable) return inCaption ? HTCAPTION : HTCLIENT;
    const bool top = 0 <= y && y < B;
    const bool bottom = ch - B <= y && y < ch;
    if (0 <= x && x < B) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    if (cw - B <= x && x < cw) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    if (0 <= y && y < 3) return HTTOP;
    if ((3 <= y && y < C) || C == -1) return HTCAPTION;
    if (bottom) return HTBOTTOM;
    return HTCLIENT;
}

bool IsSizingHit(HitCode hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

Qt::Edges HitEdges(HitCode hit) {
    switch (hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

QRect ResizedRect(const QRect& start, HitCode hit, QPoint delta, QSize minimum) {
    const Qt::Edges edges = HitEdges(hit);
    int left = start.left(), top = start.top();
    int right = start.left() + start.width(), bottom = start.top() + start.height();
    const int minW = std::max(1, minimum.width()), minH = std::max(1, minimum.height());
    if (edges & Qt::LeftEdge) left = std::min(left + delta.x(), right - minW);
    if (edges & Qt::RightEdge) right = std::max(right + delta.x(), left + minW);
    if (edges & Qt::TopEdge) top = std::min(top + delta.y(), bottom - minH);
    if (edges & Qt::BottomEdge) bottom = std::max(bottom + delta.y(), top + minH);
    return QRect(left, top, right - left, bottom - top);
}

QRect InitialRestoreRect(const QRect& work) {
    const int ww = work.width(), wh = work.height();
    const int right = work.x() + ww - ww / 8, bottom = work.y() + wh - wh / 8;
    const int left = ww / 8, top = wh / 8;
    return QRect(left, top, right - left, bottom - top);
}

QRect MaximizedRect(const QRect& work, int maxWidth, int maxHeight) {
    int left = work.x(), top = work.y();
    int right = work.x() + work.width(), bottom = work.y() + work.height();
    if (work.width() > maxWidth) {
        const int d = (work.width() - maxWidth) / 2;
        left += d;
        right -= d;
    }
    if (work.height() > maxHeight) {
        const int d = (work.height() - maxHeight) / 2;
        top += d;
        bottom -= d;
    }
    return QRect(left, top, right - left, bottom - top);
}

QPoint CaptionIconPos(int border, int caption) {
    return QPoint(border, caption == -1 ? 6 : (caption - 15) / 2);
}

QPoint CaptionTitlePos(int border, int caption, bool withIcon) {
    int y = (caption - 11) / 2;
    if (y < 0) y = 6;
    return QPoint(border + 5 + (withIcon ? 16 : 0), y - 2);
}
