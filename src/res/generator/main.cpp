// Draws every skin image of the launcher. Apart from the login background (129)
// and the icon (128), each image is opaque: magenta (255, 0, 255) marks its
// transparent pixels, and anti-aliased edges are blended beforehand against the
// colour the image will sit on, so no pink fringe is left.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kKey(255, 0, 255);
const QColor kOutline(24, 58, 104);
const QColor kBody(244, 247, 251);
const QColor kGlyph(255, 255, 255);
const QColor kGlyphDisabled(140, 165, 200);
const QColor kHover(84, 154, 232);
const QColor kPressed(20, 70, 138);
const QColor kCloseHover(226, 36, 46);
const QColor kClosePressed(160, 16, 28);

using Backdrop = std::function<QColor(int x, int y)>;

// The caption band's colour in row y (0 at the window's top).
QColor CaptionColour(int y) {
    if (y <= 0) return kOutline;
    if (y == 1) return QColor(112, 176, 244);
    const double t = std::clamp((y - 2) / 27.0, 0.0, 1.0);
    return QColor(int(62 + (28 - 62) * t), int(140 + (92 - 140) * t), int(230 + (178 - 230) * t));
}

QImage Layer(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Composites a drawing over its backdrop; pixels that stayed (almost) empty become the key.
QImage Flatten(const QImage& layer, const Backdrop& backdrop) {
    QImage out(layer.size(), QImage::Format_RGB32);
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb p = layer.pixel(x, y);
            const int a = qAlpha(p);
            if (a < 24) {
                out.setPixel(x, y, kKey.rgb());
                continue;
            }
            const QColor b = backdrop(x, y);
            auto mix = [a](int c, int d) { return (c * a + d * (255 - a)) / 255; };
            QRgb colour = qRgb(mix(qRed(p), b.red()), mix(qGreen(p), b.green()), mix(qBlue(p), b.blue()));
            if ((colour & 0xFFFFFF) == (kKey.rgb() & 0xFFFFFF)) colour = qRgb(254, 0, 254);
            out.setPixel(x, y, colour);
        }
    return out;
}

QImage Strip(const QVector<QImage>& states) {
    const int w = states.first().width(), h = states.first().height();
    QImage strip(w * int(states.size()), h, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < states.size(); ++i)
        p.drawImage(i * w, 0, states[i]);
    return strip;
}

void Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// ---- dialog skins ----------------------------------------------------------

// A skin with a caption band of `caption` rows, a body colour, a one-pixel outline
// and top corners rounded off by 3, 2 and 1 pixels.
QImage DialogSkin(int w, int h, int caption, const QColor& body) {
    QImage skin(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QColor c = y < caption ? CaptionColour(y) : body;
            if (y == caption - 1) c = QColor(22, 74, 146);
            if (x == 0 || x == w - 1 || y == 0 || y == h - 1) c = kOutline;
            skin.setPixel(x, y, c.rgb());
        }
    const int cut[3] = {3, 2, 1};
    for (int y = 0; y < 3; ++y) {
        for (int c = 0; c < cut[y]; ++c) {
            skin.setPixel(c, y, kKey.rgb());
            skin.setPixel(w - 1 - c, y, kKey.rgb());
        }
        // The outline follows the rounded corner.
        skin.setPixel(cut[y], y, kOutline.rgb());
        skin.setPixel(w - 1 - cut[y], y, kOutline.rgb());
    }
    return skin;
}

// ---- caption buttons -------------------------------------------------------

enum State { Normal, Hover, Pressed, Disabled };

using Glyph = std::function<void(QPainter&, const QRectF& box, const QColor& colour)>;

QImage CaptionButton(int w, int h, State state, const Glyph& glyph, bool close, int top = 0) {
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    if (state == Hover || state == Pressed) {
        const QColor fill =
            close ? (state == Hover ? kCloseHover : kClosePressed) : (state == Hover ? kHover : kPressed);
        // Leave the window's top outline (and, for the close button, its right one) visible.
        p.fillRect(QRect(0, 1, close ? w - 1 : w, h - 1), fill);
        if (state == Pressed) p.fillRect(QRect(0, 1, close ? w - 1 : w, 1), fill.darker(130));
    }
    const QRectF box(0, 0, w, h);
    glyph(p, box, state == Disabled ? kGlyphDisabled : kGlyph);
    p.end();
    return Flatten(layer, [top](int, int y) { return CaptionColour(y + top); });
}

QImage CaptionStrip(int w, int h, const Glyph& glyph, bool close = false, int top = 0) {
    return Strip(
        {CaptionButton(w, h, Normal, glyph, close, top), CaptionButton(w, h, Hover, glyph, close, top),
         CaptionButton(w, h, Pressed, glyph, close, top), CaptionButton(w, h, Disabled, glyph, close, top)});
}

QPen GlyphPen(const QColor& c, double width = 1.6) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void CloseGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center() + QPointF(0, 0);
    p.setPen(GlyphPen(c, 1.8));
    p.drawLine(m + QPointF(-5, -5), m + QPointF(5, 5));
    p.drawLine(m + QPointF(5, -5), m + QPointF(-5, 5));
}

void MaximizeGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center();
    p.setPen(QPen(c, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(m.x() - 5.5, m.y() - 4.5, 11, 9));
    p.fillRect(QRectF(m.x() - 5.5, m.y() - 4.5, 11, 2.2), c);
}

void MinimizeGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center();
    p.fillRect(QRectF(m.x() - 5.5, m.y() + 3, 11, 2), c);
}

void RestoreGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center();
    p.setPen(QPen(c, 1.2));
    p.setBrush(Qt::NoBrush);
    // Back window, then the front one covering it.
    p.drawPolyline(QPolygonF({QPointF(m.x() - 2.5, m.y() - 3.5), QPointF(m.x() - 2.5, m.y() - 5.5),
                              QPointF(m.x() + 5.5, m.y() - 5.5), QPointF(m.x() + 5.5, m.y() + 0.5),
                              QPointF(m.x() + 3.5, m.y() + 0.5)}));
    p.drawRect(QRectF(m.x() - 5.5, m.y() - 2.5, 8, 7));
    p.fillRect(QRectF(m.x() - 5.5, m.y() - 2.5, 8, 2), c);
}

void HideGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    // An arrow to the lower right into a corner bracket.
    const QPointF m = b.center();
    p.setPen(GlyphPen(c, 1.7));
    p.drawLine(m + QPointF(-5, -5), m + QPointF(3, 3));
    QPainterPath head;
    head.moveTo(m + QPointF(4.5, -2));
    head.lineTo(m + QPointF(4.5, 4.5));
    head.lineTo(m + QPointF(-2, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
}

void SpeakerBody(QPainter& p, const QPointF& m, const QColor& c) {
    QPainterPath body;
    body.moveTo(m + QPointF(-7, -2.5));
    body.lineTo(m + QPointF(-4, -2.5));
    body.lineTo(m + QPointF(0.5, -6.5));
    body.lineTo(m + QPointF(0.5, 6.5));
    body.lineTo(m + QPointF(-4, 2.5));
    body.lineTo(m + QPointF(-7, 2.5));
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(body);
}

void SoundOnGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center() + QPointF(-1, 0);
    SpeakerBody(p, m, c);
    p.setBrush(Qt::NoBrush);
    p.setPen(GlyphPen(c, 1.4));
    p.drawArc(QRectF(m.x() - 3, m.y() - 4, 8, 8), -50 * 16, 100 * 16);
    p.drawArc(QRectF(m.x() - 5.5, m.y() - 7.5, 15, 15), -50 * 16, 100 * 16);
}

void SoundOffGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF m = b.center() + QPointF(-2, 0);
    SpeakerBody(p, m, c);
    const QColor cross = c == kGlyphDisabled ? c : QColor(255, 96, 96);
    p.setPen(GlyphPen(cross, 1.8));
    p.drawLine(m + QPointF(3.5, -3.5), m + QPointF(9.5, 3.5));
    p.drawLine(m + QPointF(9.5, -3.5), m + QPointF(3.5, 3.5));
}

void MenuGlyph(QPainter& p, const QRectF& b, const QColor& c) {
    // A small drop-down triangle right of the caption text the program draws.
    QPainterPath t;
    t.moveTo(b.right() - 8.5, b.center().y() - 1.5);
    t.lineTo(b.right() - 2.5, b.center().y() - 1.5);
    t.lineTo(b.right() - 5.5, b.center().y() + 1.8);
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(t);
}

// ---- other controls --------------------------------------------------------

QImage PushButton(State state) {
    const int w = 57, h = 23;
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QColor top, bottom, border;
    switch (state) {
    case Normal:
        top = QColor(255, 255, 255), bottom = QColor(222, 230, 240), border = QColor(112, 136, 170);
        break;
    case Hover:
        top = QColor(238, 247, 255), bottom = QColor(190, 222, 252), border = QColor(40, 118, 214);
        break;
    case Pressed:
        top = QColor(168, 198, 234), bottom = QColor(204, 224, 246), border = QColor(22, 72, 146);
        break;
    case Disabled:
        top = QColor(236, 236, 236), bottom = QColor(228, 228, 228), border = QColor(186, 186, 186);
        break;
    }
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(border, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
    if (state == Normal || state == Hover) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(3, 1.5), QPointF(w - 3, 1.5));
    }
    p.end();
    return Flatten(layer, [](int, int) { return kBody; });
}

QImage Tab(int frame) {
    const int w = 189, h = 22;
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tops[3] = {QColor(196, 216, 240), QColor(228, 239, 252), QColor(255, 255, 255)};
    const QColor bottoms[3] = {QColor(158, 188, 224), QColor(196, 220, 246), QColor(236, 242, 250)};
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, tops[frame]);
    g.setColorAt(1, bottoms[frame]);
    QPainterPath path;
    path.moveTo(0.5, h);
    path.lineTo(0.5, 4.5);
    path.quadTo(0.5, 0.5, 4.5, 0.5);
    path.lineTo(w - 4.5, 0.5);
    path.quadTo(w - 0.5, 0.5, w - 0.5, 4.5);
    path.lineTo(w - 0.5, h);
    p.setBrush(g);
    p.setPen(QPen(frame == 2 ? QColor(20, 60, 120) : QColor(36, 84, 150), 1));
    p.drawPath(path);
    if (frame == 2) p.fillRect(QRectF(2, 1.5, w - 4, 2), QColor(255, 186, 60));
    p.end();
    return Flatten(layer, [](int, int y) { return CaptionColour(y + 3); });
}

QImage TabClose(int frame) {
    const int s = 13;
    QImage layer = Layer(s, s);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QColor mark(84, 96, 116);
    if (frame > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(frame == 1 ? kCloseHover : kClosePressed);
        p.drawEllipse(QRectF(0, 0, s, s));
        mark = Qt::white;
    }
    p.setPen(GlyphPen(mark, 1.6));
    p.drawLine(QPointF(4, 4), QPointF(9, 9));
    p.drawLine(QPointF(9, 4), QPointF(4, 9));
    p.end();
    return Flatten(layer, [](int, int) { return QColor(214, 228, 246); });
}

QImage Padlock() {
    const int w = 14, h = 16;
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(226, 232, 240), 2.0));
    p.drawArc(QRectF(3, 1, 8, 10), 0, 180 * 16);
    p.drawLine(QPointF(3, 6), QPointF(3, 8));
    p.drawLine(QPointF(11, 6), QPointF(11, 8));
    QLinearGradient g(0, 7, 0, 16);
    g.setColorAt(0, QColor(255, 214, 92));
    g.setColorAt(1, QColor(214, 150, 28));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 98, 10), 1));
    p.drawRoundedRect(QRectF(0.5, 7.5, 13, 8), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 56, 4));
    p.drawEllipse(QRectF(5.5, 9.5, 3, 3));
    p.drawRect(QRectF(6.4, 11.5, 1.2, 2.5));
    p.end();
    // The link label sits at y 7 of the caption band.
    return Flatten(layer, [](int, int y) { return CaptionColour(y + 7); });
}

const QColor kGroove(226, 231, 238);

QImage ProgressBack() {
    const int w = 390, h = 21;
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(206, 213, 223));
    g.setColorAt(0.35, kGroove);
    g.setColorAt(1, QColor(240, 243, 247));
    p.setBrush(g);
    p.setPen(QPen(QColor(142, 158, 182), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10, 10);
    p.end();
    return Flatten(layer, [](int, int) { return kBody; });
}

QImage ProgressFill() {
    const int w = 390, h = 21;
    QImage layer = Layer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 2, 0, h - 2);
    g.setColorAt(0, QColor(130, 214, 120));
    g.setColorAt(0.5, QColor(66, 176, 70));
    g.setColorAt(1, QColor(44, 146, 52));
    p.setBrush(g);
    p.setPen(QPen(QColor(34, 120, 40), 1));
    p.drawRoundedRect(QRectF(2.5, 2.5, w - 5, h - 5), 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(9, 4.5), QPointF(w - 9, 4.5));
    p.end();
    return Flatten(layer, [](int, int) { return kGroove; });
}

QImage AddAccountSkin() {
    QImage skin = DialogSkin(284, 150, 30, kBody);
    QPainter p(&skin);
    // A faint band under the caption and a rule above the buttons.
    p.fillRect(QRect(1, 30, 282, 3), QColor(226, 236, 248));
    p.fillRect(QRect(12, 104, 260, 1), QColor(214, 222, 232));
    return skin;
}

// ---- login background and icon (true alpha) --------------------------------

QImage LoginBackground() {
    const int w = 1483, h = 759, margin = 14;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel(margin, margin, w - 2 * margin, h - 2 * margin);
    // Soft shadow around the panel.
    for (int i = margin; i > 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, int(7 * (margin - i + 1) / double(margin) * 3)));
        p.drawRoundedRect(panel.adjusted(-i, -i + 3, i, i + 3), 18 + i, 18 + i);
    }
    QPainterPath clip;
    clip.addRoundedRect(panel, 18, 18);
    p.setClipPath(clip);
    QLinearGradient sky(0, margin, 0, h - margin);
    sky.setColorAt(0, QColor(14, 20, 58));
    sky.setColorAt(0.45, QColor(42, 58, 124));
    sky.setColorAt(0.75, QColor(120, 92, 150));
    sky.setColorAt(1, QColor(236, 150, 110));
    p.fillRect(panel, sky);
    QRandomGenerator rng(6182);
    for (int i = 0; i < 260; ++i) {
        const double x = margin + rng.bounded(w - 2 * margin), y = margin + rng.bounded(int(h * 0.5));
        const double r = 0.4 + rng.bounded(12) / 10.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240, 90 + rng.bounded(160)));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    QRadialGradient glow(QPointF(1160, 170), 120);
    glow.setColorAt(0, QColor(255, 250, 225, 150));
    glow.setColorAt(1, QColor(255, 250, 225, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(1160, 170), 120, 120);
    p.setBrush(QColor(252, 246, 222));
    p.drawEllipse(QPointF(1160, 170), 42, 42);
    auto ridge = [&](double base, double amp, double freq, double phase, const QColor& c) {
        QPainterPath m;
        m.moveTo(0, h);
        for (int x = 0; x <= w; x += 6) {
            const double y = base - amp * (0.6 * std::sin(x * freq + phase) +
                                           0.3 * std::sin(x * freq * 2.7 + phase * 1.9) +
                                           0.1 * std::sin(x * freq * 7.1 + phase * 0.3));
            m.lineTo(x, y);
        }
        m.lineTo(w, h);
        m.closeSubpath();
        p.setBrush(c);
        p.drawPath(m);
    };
    ridge(520, 90, 0.006, 0.4, QColor(70, 64, 120));
    ridge(590, 70, 0.009, 2.1, QColor(46, 42, 92));
    ridge(660, 50, 0.013, 4.0, QColor(26, 24, 58));
    ridge(730, 30, 0.021, 1.3, QColor(12, 12, 32));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    p.drawRoundedRect(panel.adjusted(0.75, 0.75, -0.75, -0.75), 18, 18);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage Icon() {
    const int s = 128;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, s, s);
    g.setColorAt(0, QColor(80, 160, 245));
    g.setColorAt(1, QColor(22, 70, 160));
    p.setPen(QPen(QColor(14, 44, 100), 3));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6, 6, s - 12, s - 12), 26, 26);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(30, 30, 68, 68), 70 * 16, 320 * 16);
    QPainterPath star;
    const QPointF c(92, 36);
    for (int i = 0; i < 8; ++i) {
        const double r = i % 2 ? 6 : 16, a = i * M_PI / 4 - M_PI / 2;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 80));
    p.drawPath(star);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: skin-images <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("png"));
    out.mkpath(QStringLiteral("icon"));
    auto save = [&](int id, const QImage& image) {
        Save(image, out.filePath(QStringLiteral("png/%1.png").arg(id)));
    };

    save(129, LoginBackground());
    save(131, DialogSkin(30, 51, 30, kBody));
    save(132, CaptionStrip(33, 28, CloseGlyph, true));
    save(133, Strip({PushButton(Normal), PushButton(Hover), PushButton(Pressed), PushButton(Disabled)}));
    save(134, DialogSkin(30, 51, 30, QColor(0, 0, 0)));
    save(135, CaptionStrip(27, 28, MaximizeGlyph));
    save(136, CaptionStrip(27, 28, MinimizeGlyph));
    save(137, CaptionStrip(27, 28, RestoreGlyph));
    save(138, CaptionStrip(27, 27, HideGlyph));
    save(139, CaptionStrip(44, 28, MenuGlyph));
    save(140, Strip({Tab(0), Tab(1), Tab(2)}));
    save(141, Strip({TabClose(0), TabClose(1), TabClose(2)}));
    save(142, Padlock());
    save(148, CaptionStrip(27, 27, SoundOffGlyph));
    save(149, CaptionStrip(27, 27, SoundOnGlyph));
    save(152, ProgressBack());
    save(153, ProgressFill());
    save(162, AddAccountSkin());
    Save(Icon(), out.filePath(QStringLiteral("icon/128.png")));
    return 0;
}
