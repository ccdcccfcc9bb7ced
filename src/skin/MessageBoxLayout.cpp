#include "skin/MessageBoxLayout.h"

#include <QFontMetrics>
#include <algorithm>

QStringList SplitMessageLines(const QString& text) {
    return text.split(u'\n');
}

int CountMessageLines(const QString& text) {
    return 1 + static_cast<int>(text.count(u'\n'));
}

static QString VisibleLine(QString line) {
    if (line.endsWith(u'\r')) line.chop(1);
    return line;
}

QSize MeasureMessage(const QFontMetrics& metrics, const QString& text) {
    const QStringList lines = SplitMessageLines(text);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(VisibleLine(line)));
    return QSize(width, static_cast<int>(lines.size()) * metrics.height());
}

bool MessageBoxHasTwoButtons(int type) {
    return type == 4 || type == 1;
}

MessageBoxGeometry LayoutMessageBox(QSize text, int lines, QSize button, int type) {
    MessageBoxGeometry g;
    const int tw = text.width(), th = text.height(), bw = button.width(), bh = button.height();
    lines = std::max(1, lines);
    // Text wider than the two buttons gets 30-pixel margins; narrower text sits in a
    // box two buttons wide, but never closer than 12 pixels to its sides (a text
    // just under that width would otherwise run into the border).
    const int cw = tw > 2 * bw + 60 ? tw + 60 : std::max(2 * bw + 60, tw + 24);
    const int ch = th + bh + 3 * lines + 90;
    g.box = QSize(cw, ch);
    const int top = ch - 30 - bh;
    if (MessageBoxHasTwoButtons(type)) {
        g.first = QRect(cw / 2 - 10 - bw, top, bw, bh);
        g.second = QRect(cw / 2 + 10, top, bw, bh);
    } else {
        g.first = QRect((cw - bw) / 2, top, bw, bh);
    }
    g.firstLine = QPoint((cw - tw) / 2, 55);
    g.lineHeight = th / lines;
    g.lineStep = g.lineHeight + 3;
    return g;
}
