#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Breaks a label's text into lines of at most `width` pixels, one character at a
// time (Chinese text has no words to keep together): "\r" is dropped, "\n" ends a
// line, and a character that does not fit starts the next line. A character wider
// than the whole line gets a line of its own. `measure` gives a string's width.
QStringList WrapLabelText(const QString& text, int width, const std::function<int(const QString&)>& measure);

// The height a label needs for `lines` lines of height `lineHeight` apart by `spacing`.
int LabelHeightFor(int lines, int lineHeight, int spacing);
