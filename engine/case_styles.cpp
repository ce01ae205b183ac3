#include "engine/case_styles.h"

#include "engine/text_services.h"

#include <algorithm>

namespace qev {

namespace {

// Appends the text in the letter case. Plain ASCII, the common case, has only the pairs a-z and
// A-Z to map, so it needs no system call. The rest goes to the system in pieces it can take, cut
// after a space or line break where one is near, so no word is split.
void AppendMapped(std::u16string& out, std::u16string_view text, LetterCase letterCase) {
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
        const char16_t first = letterCase == LetterCase::Upper ? u'a' : u'A';
        const std::size_t start = out.size();
        out.append(text);
        for (auto it = out.begin() + static_cast<std::ptrdiff_t>(start); it != out.end(); ++it) {
            if (*it >= first && *it <= first + 25) {
                *it ^= 0x20;
            }
        }
        return;
    }
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kMaxMappedLength - 1);
        if (size < text.size()) {
            const auto gap = text.substr(0, size).find_last_of(u" \r\n");
            size = gap != std::u16string_view::npos && gap > 0 ? gap + 1 : size;
            size -= IsLeadSurrogate(text[size - 1]) ? 1 : 0; // a surrogate pair stays whole
        }
        if (!AppendSystemCase(out, text.substr(0, size), letterCase)) {
            out.append(text.substr(0, size)); // what the system cannot map stays as it is
        }
        text.remove_prefix(size);
    }
}

} // namespace

void CapitalizeAt(std::u16string& text, std::size_t position) {
    if (position < 1 || position > text.size()) {
        return;
    }
    const std::size_t index = position - 1;
    const Utf16Character old = FirstUtf16Character(std::u16string_view(text).substr(index));
    const char32_t upper = SystemCapitalOf(old.codePoint);
    if (upper != old.codePoint) {
        const Utf16Character capital = Utf16CharacterOf(upper);
        text.replace(index, old.length, capital.units, capital.length);
    }
}

void AppendUpperCase(std::u16string& out, std::u16string_view text) {
    AppendMapped(out, text, LetterCase::Upper);
}

std::u16string ToUpperCase(std::u16string_view text) {
    std::u16string upper;
    AppendMapped(upper, text, LetterCase::Upper);
    return upper;
}

std::u16string ToLowerCase(std::u16string_view text) {
    std::u16string lower;
    AppendMapped(lower, text, LetterCase::Lower);
    return lower;
}

std::u16string CapitalizeAt(std::u16string_view text, std::size_t position) {
    std::u16string result(text);
    CapitalizeAt(result, position);
    return result;
}

std::u16string CapitalizeWords(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return ApplyCaseStyleToPart(text.substr(first, last - first + 1), CaseStyle::Title);
}

std::u16string ApplyCaseStyleToPart(std::u16string_view part, CaseStyle style) {
    if (style != CaseStyle::Title) {
        return ApplyCaseStyle(part, style);
    }
    std::u16string result = ToLowerCase(part);
    // The first character, and every one after a space: after two spaces that is the second
    // space itself (no case) and then the word.
    CapitalizeAt(result, 1);
    for (std::size_t position = 2; position <= result.size(); ++position) {
        if (result[position - 2] == u' ') {
            CapitalizeAt(result, position);
        }
    }
    return result;
}

std::u16string ApplyCaseStyle(std::u16string_view text, CaseStyle style) {
    switch (style) {
    case CaseStyle::Upper:
        return ToUpperCase(text);
    case CaseStyle::Title:
        return CapitalizeWords(text);
    case CaseStyle::Lower:
        return ToLowerCase(text);
    }
    return std::u16string(text);
}

std::optional<CaseStyle> CaseStyleNamed(std::string_view name) {
    const auto* named = std::find(std::begin(kCaseStyleNames), std::end(kCaseStyleNames), name);
    return named == std::end(kCaseStyleNames)
               ? std::nullopt
               : std::optional(static_cast<CaseStyle>(named - std::begin(kCaseStyleNames)));
}

} // namespace qev
