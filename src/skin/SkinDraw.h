#pragma once
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QVector>

class QPainter;

// One piece of a skin drawing: `src` of the skin goes to `dst` of the window,
// copied 1:1 (same size) or stretched.
struct SkinPiece {
    QRect dst;
    QRect src;
    bool stretch = false;
    bool operator==(const SkinPiece&) const = default;
};

// Whether a skin of this size can be cut with the given border and caption height
// (-1: the whole window is caption): wider than two borders and taller than
// caption + border (two borders without a caption row).
bool SkinFitsFrame(QSize skin, int border, int caption);

// The pieces that draw a skin onto a window, in drawing order: nine-grid with the
// caption band tiled (or stretched when caption is -1), or the skin 1:1 with its
// right edge and bottom row following the window. Empty when the skin does not fit
// the frame; pieces of no area are left out.
QVector<SkinPiece> SkinDrawPlan(QSize window, QSize skin, int border, int caption, bool nineGrid);

// Draws the pieces with plain copies (key pixels included; the window region hides them).
void PaintSkin(QPainter& painter, const QImage& skin, const QVector<SkinPiece>& plan);

// The window's region: its whole rectangle minus the window pixels under the
// key-coloured pixels of the skin's four 9x9 corner squares.
QRegion SkinWindowRegion(const QImage& skin, QSize window);
