#include "engine/case_styles.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace qev {

namespace {

// ICU's whole-string case mappings in the root locale, so the user's locale (Turkish dotted i,
// say) never changes the wording.
using MapFunction = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

// Appends the mapped text. Plain ASCII, the common case, has only the pairs a-z and A-Z to map
// (from `first` to `first` + 25), so it skips ICU.
void AppendMapped(std::u16string& out, std::u16string_view text, MapFunction map, char16_t first) {
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
        const std::size_t start = out.size();
        out.append(text);
        for (auto it = out.begin() + static_cast<std::ptrdiff_t>(start); it != out.end(); ++it) {
            if (*it >= first && *it <= first + 25) {
                *it ^= 0x20;
            }
        }
        return;
    }
    if (text.size() > INT32_MAX / 3) {
        throw std::length_error("text too long for case mapping");
    }
    const auto length = static_cast<int32_t>(text.size());
    std::u16string result(text.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = map(result.data(), length, text.data(), length, "", &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        // Some mappings lengthen the text ("ß" upper-cases to "SS").
        result.resize(static_cast<std::size_t>(needed));
        status = U_ZERO_ERROR;
        needed = map(result.data(), needed, text.data(), length, "", &status);
    }
    if (U_FAILURE(status)) {
        throw std::runtime_error(u_errorName(status));
    }
    out.append(result, 0, static_cast<std::size_t>(needed));
}

// Upper-cases the code point that starts at the 0-based index, by the one-to-one mapping, so a
// capital never changes the text's length ("ß" stays "ß").
void CapitalizeInPlace(std::u16string& text, std::size_t index) {
    if (index >= text.size()) {
        return;
    }
    std::size_t next = index;
    UChar32 c = 0;
    U16_NEXT(text.data(), next, text.size(), c);
    const UChar32 upper = u_toupper(c);
    if (upper == c) {
        return;
    }
    UChar units[U16_MAX_LENGTH];
    std::size_t unitCount = 0;
    U16_APPEND_UNSAFE(units, unitCount, upper);
    text.replace(index, next - index, reinterpret_cast<const char16_t*>(units), unitCount);
}

} // namespace

void AppendUpperCase(std::u16string& out, std::u16string_view text) {
    AppendMapped(out, text, u_strToUpper, u'a');
}

std::u16string ToUpperCase(std::u16string_view text) {
    std::u16string upper;
    AppendMapped(upper, text, u_strToUpper, u'a');
    return upper;
}

std::u16string ToLowerCase(std::u16string_view text) {
    std::u16string lower;
    AppendMapped(lower, text, u_strToLower, u'A');
    return lower;
}

std::u16string CapitalizeAt(std::u16string_view text, std::size_t position) {
    std::u16string result(text);
    if (position >= 1) {
        CapitalizeInPlace(result, position - 1);
    }
    return result;
}

std::u16string CapitalizeWords(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    std::u16string result = ToLowerCase(text.substr(first, last - first + 1));
    // The first character, and every one after a space: after two spaces that is the second
    // space itself (no case) and then the word.
    CapitalizeInPlace(result, 0);
    for (std::size_t i = 1; i < result.size(); ++i) {
        if (result[i - 1] == u' ') {
            CapitalizeInPlace(result, i);
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

} // namespace qev
