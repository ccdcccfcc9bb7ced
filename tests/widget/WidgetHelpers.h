#pragma once
// Small helpers of the offscreen widget tests.
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// The widget's pixels as painted, children included.
inline QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb Rgb(QRgb p) {
    return p & 0xFFFFFFu;
}

// A plain grey widget that shows through the transparent pixels of its children.
class Host : public QWidget {
public:
    static constexpr QRgb kGrey = 0x808080;
    Host() {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(kGrey));
        setPalette(pal);
        resize(420, 120);
        show();
    }
};

// Sends a mouse event at a point of the widget (global position derived from it).
inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                      Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(at);
    QMouseEvent event(type, local, local, widget.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// A strip of four w x h states in the given colours, each with a magenta top-left pixel.
inline QImage FixtureStrip(int w, int h, const QRgb (&colours)[4]) {
    QImage strip(4 * w, h, QImage::Format_RGB32);
    for (int s = 0; s < 4; ++s)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                strip.setPixel(s * w + x, y, (x == 0 && y == 0) ? 0xFFFF00FFu : colours[s]);
    return strip;
}
