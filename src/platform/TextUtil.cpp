#include "platform/TextUtil.h"

#include <QString>
#include <cctype>
#include <limits>

namespace platform {

std::int32_t WcstolBase10(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    std::int64_t v = 0;
    bool over = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) over = true;
        if (over) v = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    }
    if (neg)
        return v > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::min()
                                                            : static_cast<std::int32_t>(-v);
    return v > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                        : static_cast<std::int32_t>(v);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string ToUpperUnicode(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUpper().toStdString();
}

std::string TruncateCodePoints(std::string_view utf8, std::size_t n) {
    std::size_t count = 0, i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (count == n) break;
        ++count;
    }
    return std::string(utf8.substr(0, i));
}

} // namespace platform
