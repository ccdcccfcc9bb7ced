#pragma once
// Small text helpers with the C library's rules that the launcher's formats rely on.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// wcstol(s, nullptr, 10) on a 32-bit long: leading blanks, optional sign, digits;
// 0 when there are none; saturates at the 32-bit limits.
std::int32_t WcstolBase10(std::string_view s);
// ASCII case-insensitive comparison.
bool EqualsNoCase(std::string_view a, std::string_view b);
// Upper case as the system's Unicode rules give it (for path comparisons).
std::string ToUpperUnicode(std::string_view utf8);
// At most n code points of a UTF-8 text.
std::string TruncateCodePoints(std::string_view utf8, std::size_t n);

} // namespace platform
