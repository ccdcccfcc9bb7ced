#include "skin/SkinImage.h"

#include <QFile>
#include <QPainter>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void InitResourceSet() {
    Q_INIT_RESOURCE(resources);
}

void InitSkinResources() {
    // The resource set sits in a static library; naming its initialiser here makes
    // the linker keep it in every program that loads skin images.
    static const bool done = (InitResourceSet(), true);
    (void)done;
}

QImage ConvertToColourKey(const QImage& bitmap, QRgb key) {
    if (bitmap.isNull() || bitmap.width() == 0) return {};
    const QImage src = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (src.isNull()) return {};
    QImage out(src.size(), QImage::Format_RGB32);
    if (out.isNull()) return {};
    const QRgb keyRgb = qRgb(qRed(key), qGreen(key), qBlue(key));
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            if (a == 255) {
                to[x] = qRgb(qRed(p), qGreen(p), qBlue(p));
            } else if (a == 0) {
                to[x] = keyRgb;
            } else {
                auto blend = [a](int c) { return (a * (c - 255) + 65025) / 255; };
                to[x] = qRgb(blend(qRed(p)), blend(qGreen(p)), blend(qBlue(p)));
            }
        }
    }
    return out;
}

QImage LoadSkinImage(int id) {
    InitSkinResources();
    const QString bmp = QStringLiteral(":/bmp/%1.bmp").arg(id);
    if (QFile::exists(bmp)) {
        QImage image(bmp);
        if (!image.isNull()) return image.convertToFormat(QImage::Format_RGB32);
    }
    const QString png = QStringLiteral(":/png/%1.png").arg(id);
    if (!QFile::exists(png)) return {};
    QImage decoded(png);
    if (decoded.isNull()) return {};
    QImage keyed = ConvertToColourKey(decoded, kSkinKey);
    if (keyed.isNull()) {
        // Fallback: composite over opaque magenta, so transparency still ends as the key.
        keyed = QImage(decoded.size(), QImage::Format_RGB32);
        keyed.fill(kSkinKey);
        QPainter p(&keyed);
        p.drawImage(0, 0, decoded);
    }
    return keyed;
}

QImage KeyToAlpha(const QImage& keyed, QRgb key) {
    if (keyed.isNull()) return {};
    QImage out = keyed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = IsSkinKey(line[x], key) ? 0u : (line[x] | 0xFF000000u);
    }
    return out;
}

QVector<QImage> SplitStrip(const QImage& strip, int frames) {
    QVector<QImage> result;
    if (strip.isNull() || frames <= 0) return result;
    const int fw = strip.width() / frames;
    if (fw <= 0) return result;
    for (int i = 0; (i + 1) * fw <= strip.width(); ++i)
        result.append(strip.copy(i * fw, 0, fw, strip.height()));
    return result;
}

void DrawKeyed(QPainter& painter, const QRect& dst, const QImage& keyed, const QRect& src) {
    const QRect from = src.intersected(keyed.rect());
    if (dst.isEmpty() || from.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(dst, KeyToAlpha(keyed.copy(from)));
    painter.restore();
}
