// The system's own text services, behind one seam with a file per platform: ICU in the root
// locale on Linux, Windows' own functions in the invariant locale on Windows. Everything above
// this seam is the same on both.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qev {

enum class LetterCase { Upper, Lower };

// Appends `text` in the letter case by the system's whole-string rules, which may change its
// length ("ß" upper-cases to "SS" with ICU). Returns false, appending nothing, when the system
// cannot map it. The text must be shorter than kMaxMappedLength.
bool AppendSystemCase(std::u16string& out, std::u16string_view text, LetterCase letterCase);
inline constexpr std::size_t kMaxMappedLength = std::size_t{1} << 24;

// The capital of one code point by the one-to-one mapping; the code point itself when it has
// none.
char32_t SystemCapitalOf(char32_t c);

// Appends the text in UTF-8; an unpaired surrogate becomes U+FFFD.
void AppendUtf8(std::string& out, std::u16string_view text);

// The first character of UTF-8 bytes: how many bytes it takes and its code point, or, when the
// bytes there are not UTF-8, the length of the longest start of a character they make (at least
// 1) and `valid` false.
struct Utf8Character {
    std::size_t length = 0;
    char32_t codePoint = 0;
    bool valid = false;
};
Utf8Character FirstUtf8Character(std::string_view bytes);

} // namespace qev
