// Cleaning of what the user types or pastes into the amount box, before it is written out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qev {

// The amount box holds at most this many characters: 15 integer digits, four thousands
// separators, the decimal point and two decimals. Fifteen digits and three decimals fit only
// without the separators.
inline constexpr std::size_t kAmountBoxMaxLength = 22;

// The ASCII digits "0" to "9" only: no other script's or width's digits.
constexpr bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Digits, "," and "." only: no width or case folding, no signs, no spaces.
constexpr bool IsAmountCharacter(char32_t c) {
    return IsDigit(c) || c == U',' || c == U'.';
}

// What a Chinese input method types, as the character it stands for: a full-width form ("１",
// "Ｕ", "．") as its ASCII character, the ideographic full stop "。" as a point (so "1234。56"
// stays 1,234.56 rather than becoming 123,456) and the ideographic space as a space; any other
// character as it is.
constexpr char16_t HalfWidth(char16_t c) {
    return c >= u'！' && c <= u'～' ? static_cast<char16_t>(c - u'！' + u'!')
           : c == u'。'             ? u'.'
           : c == u'\u3000'         ? u' '
                                    : c;
}

struct CleanedAmount {
    std::u16string text;
    std::size_t caret = 0; // 0-based, between characters
    // The first characters removed, each once, in the order met; and whether there were more.
    std::u16string removed;
    bool moreRemoved = false;
};

// How many different characters CleanedAmount::removed holds at most.
inline constexpr std::size_t kRemovedShown = 8;

// Keeps only amount characters, in the order typed, and puts "0" before a leading "." (so a
// pasted ".5" stays half a unit rather than becoming 5). What a Chinese input method gives for a
// digit or a point is taken as that digit or point (HalfWidth). The caret keeps its place among
// the characters that stay, and stands after such a "0".
CleanedAmount CleanAmountInput(std::u16string_view text, std::size_t caret);

} // namespace qev
