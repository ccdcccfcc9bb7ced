#pragma once
#include <QRect>
#include <QSize>
#include <QString>

// How much of the fill picture a progress bar shows: its first `head` columns at
// the fill area's left, then `tail` columns starting at column `tailFrom`, so both
// rounded ends of the picture appear at any length.
struct ProgressFill {
    int head = 0;
    int tailFrom = 0;
    int tail = 0;
    int width() const { return head + tail; }
    bool operator==(const ProgressFill&) const = default;
};

// The fill for position `pos` in lower..upper over a fill picture `fillWidth`
// wide. An empty (or reversed) range fills nothing; the width stays within the picture.
ProgressFill ProgressFillPlan(int fillWidth, int lower, int upper, int pos);

// "NN%" for the position, empty for an empty range.
QString ProgressPercentText(int lower, int upper, int pos);

// Where the fill picture lies in the control: centred, divisions truncated.
QRect ProgressFillRect(QSize control, QSize fill);
