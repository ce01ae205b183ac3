// The three letter-case styles the result box can be recast in, by the system's case mapping.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qev {

enum class CaseStyle {
    Upper, // "ABC": every letter in upper case
    Title, // "Abc": spaces cut at both ends, then every word capitalised
    Lower, // "abc": every letter in lower case
};

// The styles' names in CaseStyle's order, as options and kept settings give them.
inline constexpr std::string_view kCaseStyleNames[] = {"upper", "title", "lower"};
std::optional<CaseStyle> CaseStyleNamed(std::string_view name);

std::u16string ToUpperCase(std::u16string_view text);
// Appends the text upper-cased to `out`, as ToUpperCase gives it.
void AppendUpperCase(std::u16string& out, std::u16string_view text);
std::u16string ToLowerCase(std::u16string_view text);

// Spaces (U+0020 only) cut at both ends, every letter in lower case, then the first character and
// every character right after a space in upper case. Line breaks and tabs are not word separators.
std::u16string CapitalizeWords(std::u16string_view text);

// The text with the one character at the 1-based position in upper case, by the one-to-one
// mapping, so a capital never changes the text's length ("ß" stays "ß"); a position outside the
// text gives the text unchanged. The second form recasts the text in place.
std::u16string CapitalizeAt(std::u16string_view text, std::size_t position);
void CapitalizeAt(std::u16string& text, std::size_t position);

std::u16string ApplyCaseStyle(std::u16string_view text, CaseStyle style);

// A part of a text that follows a space, as the style recasts it within the whole: nothing is
// cut, and "Abc" capitalises its first character too.
std::u16string ApplyCaseStyleToPart(std::u16string_view part, CaseStyle style);

} // namespace qev
