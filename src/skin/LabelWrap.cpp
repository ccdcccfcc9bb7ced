#include "skin/LabelWrap.h"

QStringList WrapLabelText(const QString& text, int width, const std::function<int(const QString&)>& measure) {
    QStringList lines;
    QString buffer;
    for (int i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            ++i;
            continue;
        }
        if (c == u'\n') {
            lines.append(buffer);
            buffer.clear();
            ++i;
            continue;
        }
        // A surrogate pair is one character.
        const int n = (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString ch = text.mid(i, n);
        if (buffer.isEmpty() || measure(buffer + ch) <= width) {
            // A character wider than the whole line still fills a line of its own.
            buffer += ch;
            i += n;
        } else {
            lines.append(buffer);
            buffer.clear();
        }
    }
    lines.append(buffer);
    return lines;
}

int LabelHeightFor(int lines, int lineHeight, int spacing) {
    return (lines - 1) * (lineHeight + spacing) + lineHeight;
}
