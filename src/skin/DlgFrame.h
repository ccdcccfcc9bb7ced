#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Where a point of a frameless skinned dialog lies, named after the window
// system's hit-test codes. HTCLIENT is the default answer: the dialog's own area.
enum HitCode {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
};

// Hit test of a point in client coordinates. caption -1 makes the whole dialog caption.
HitCode DlgHitTest(QPoint point, QSize client, int border, int caption, bool resizable, bool maximized);

// True for the eight edge and corner codes.
bool IsSizingHit(HitCode hit);

// The window edges a sizing code moves (empty for other codes).
Qt::Edges HitEdges(HitCode hit);

// The rectangle a resize by the frame gives: `start` with the edges of `hit` moved
// by `delta`, never smaller than `minimum` (the opposite edges stay put).
QRect ResizedRect(const QRect& start, HitCode hit, QPoint delta, QSize minimum);

// The first restore target: the work area shrunk by an eighth of its size on each
// side, left and top counted from 0 rather than from the work area's origin.
QRect InitialRestoreRect(const QRect& work);

// The simulated maximised rectangle: the work area, centred down to the size cap.
QRect MaximizedRect(const QRect& work, int maxWidth, int maxHeight);

// Top-left corner of the caption icon and of the title text.
QPoint CaptionIconPos(int border, int caption);
QPoint CaptionTitlePos(int border, int caption, bool withIcon);
