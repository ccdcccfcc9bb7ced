#pragma once
#include <QFont>
#include <QString>

// The face every skinned control asks for. Debian has no "微软雅黑"; the first call
// registers WenQuanYi Micro Hei as its substitute.
QString SkinFaceName();

// The skin's face at a pixel height (a negative LOGFONT height of -12 is 12 here),
// with a weight on the 100..900 scale and an optional underline.
QFont SkinFont(int pixelHeight = 12, int weight = 400, bool underline = false);

// `base` changed to the skin's face at the given pixel height (other attributes kept).
QFont SkinFontFrom(QFont base, int pixelHeight);
