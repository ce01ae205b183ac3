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

// One character in UTF-16: one code unit, or a surrogate pair for a code point above U+FFFF. The
// one place that knows how a pair is made.
struct Utf16Character {
    char16_t units[2] = {};
    std::size_t length = 0;
    char32_t codePoint = 0;
};

constexpr bool IsLeadSurrogate(char16_t unit) {
    return (unit & 0xfc00) == 0xd800;
}

// The character that starts `text`, which is not empty: a whole surrogate pair, or one code unit
// (an unpaired surrogate as it is).
constexpr Utf16Character FirstUtf16Character(std::u16string_view text) {
    if (text.size() > 1 && IsLeadSurrogate(text[0]) && (text[1] & 0xfc00) == 0xdc00) {
        return {{text[0], text[1]},
                2,
                0x10000 + ((char32_t{text[0]} - 0xd800) << 10) + (text[1] - 0xdc00)};
    }
    return {{text[0]}, 1, text[0]};
}

constexpr Utf16Character Utf16CharacterOf(char32_t c) {
    if (c < 0x10000) {
        return {{static_cast<char16_t>(c)}, 1, c};
    }
    return {{static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10)),
             static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff))},
            2,
            c};
}

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
