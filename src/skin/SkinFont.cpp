#include "skin/SkinFont.h"

#include <QStringList>
#include <algorithm>

QString SkinFaceName() {
    static const QString face = [] {
        const QString name = QStringLiteral("微软雅黑");
        QFont::insertSubstitutions(
            name, {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
        return name;
    }();
    return face;
}

QFont SkinFontFrom(QFont base, int pixelHeight) {
    base.setFamilies({SkinFaceName()});
    base.setPixelSize(pixelHeight);
    return base;
}

QFont SkinFont(int pixelHeight, int weight, bool underline) {
    QFont font;
    font.setFamilies({SkinFaceName()});
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setUnderline(underline);
    return font;
}
