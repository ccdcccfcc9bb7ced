#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QFontMetrics;

// The geometry of a message box sized to its text.
struct MessageBoxGeometry {
    QSize box;
    QRect first;  // the only button, or the left one of two
    QRect second; // null for a one-button box
    QPoint firstLine;
    int lineHeight = 0;
    int lineStep = 0; // from one line's top to the next
};

// Lines of a message: split at "\n" only; a "\r" stays at the end of its line.
QStringList SplitMessageLines(const QString& text);

// 1 + the number of "\n".
int CountMessageLines(const QString& text);

// Width of the widest line and height of all lines in the given font.
QSize MeasureMessage(const QFontMetrics& metrics, const QString& text);

// Whether a box type shows two buttons (4 yes/no, 1 OK/cancel).
bool MessageBoxHasTwoButtons(int type);

// Box, buttons and first line for a measured text (at least 12 pixels from the sides) of `lines` lines and
// buttons of size `button`.
MessageBoxGeometry LayoutMessageBox(QSize text, int lines, QSize button, int type);
