#pragma once
#include <QImage>
#include <QRect>
#include <QVector>

class QPainter;

// Colour of the transparent pixels of every skin image: magenta.
inline constexpr QRgb kSkinKey = 0xFFFF00FFu;

// True when the pixel is exactly the key colour (alpha ignored).
inline bool IsSkinKey(QRgb pixel, QRgb key = kSkinKey) {
    return (pixel & 0x00FFFFFFu) == (key & 0x00FFFFFFu);
}

// Registers the program's resource set (images and icon); LoadSkinImage does it
// itself, other readers of ":/..." call it before their first use.
void InitSkinResources();

// Loads image `id` of the program's resources as an opaque, colour-keyed image
// (Format_RGB32): ":/bmp/<id>.bmp" when present, else ":/png/<id>.png" converted
// with ConvertToColourKey. A null image when neither exists or decodes.
QImage LoadSkinImage(int id);

// Flattens an image with alpha into an opaque one: opaque pixels stay, fully
// transparent pixels become `key`, the rest are composited over white with
// (a * (c - 255) + 65025) / 255 per channel. Null for a null or empty image.
QImage ConvertToColourKey(const QImage& bitmap, QRgb key);

// The inverse view for drawing: key-coloured pixels get alpha 0, all others 255.
QImage KeyToAlpha(const QImage& keyed, QRgb key = kSkinKey);

// Cuts a strip into frames of width `width / frames`, as many as fit. Empty when
// the strip is null or a frame would be narrower than one pixel.
QVector<QImage> SplitStrip(const QImage& strip, int frames);

// Draws `src` of a colour-keyed image into `dst`, stretched with nearest-neighbour
// sampling, leaving the key-coloured pixels out.
void DrawKeyed(QPainter& painter, const QRect& dst, const QImage& keyed, const QRect& src);
