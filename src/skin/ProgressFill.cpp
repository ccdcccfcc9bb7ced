#include "skin/ProgressFill.h"

#include <algorithm>

ProgressFill ProgressFillPlan(int fillWidth, int lower, int upper, int pos) {
    ProgressFill fill;
    const long long span = static_cast<long long>(upper) - lower;
    if (span <= 0 || fillWidth <= 0) return fill;
    const double exact = (static_cast<double>(fillWidth) / static_cast<double>(span)) *
                         static_cast<double>(pos - static_cast<long long>(lower));
    const int f = static_cast<int>(std::clamp(exact, 0.0, static_cast<double>(fillWidth)));
    fill.head = f / 2;
    fill.tail = f - fill.head;
    fill.tailFrom = fillWidth - fill.tail;
    return fill;
}

QString ProgressPercentText(int lower, int upper, int pos) {
    const long long span = static_cast<long long>(upper) - lower;
    if (span <= 0) return {};
    return QStringLiteral("%1%").arg((static_cast<long long>(pos) - lower) * 100 / span);
}

QRect ProgressFillRect(QSize control, QSize fill) {
    const int dx = (control.width() - fill.width()) / 2, dy = (control.height() - fill.height()) / 2;
    return QRect(dx, dy, fill.width(), fill.height());
}
