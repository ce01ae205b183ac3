// The three case styles and CapitalizeAt on any UTF-16 text, lone surrogates included: the first
// two bytes give CapitalizeAt's position, the rest are code units.
#include "engine/case_styles.h"
#include "fuzz/fuzz_support.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qev::CaseStyle;
    if (size < 2) {
        return 0;
    }
    const std::u16string text = qev::fuzz::CodeUnits(data + 2, size - 2);
    const auto count = [](const std::u16string& s, char16_t c) {
        return std::count(s.begin(), s.end(), c);
    };
    for (const CaseStyle style : {CaseStyle::Upper, CaseStyle::Title, CaseStyle::Lower}) {
        const std::u16string once = qev::ApplyCaseStyle(text, style);
        FUZZ_REQUIRE(qev::ApplyCaseStyle(once, style) == once);
        // Line breaks are no letters: the result box keeps its lines.
        FUZZ_REQUIRE(count(once, u'\r') == count(text, u'\r'));
        FUZZ_REQUIRE(count(once, u'\n') == count(text, u'\n'));
    }

    // Position 0 and one past the end are included.
    const std::size_t position = (data[0] | data[1] << 8) % (text.size() + 2);
    const std::u16string capital = qev::CapitalizeAt(text, position);
    if (position == 0 || position > text.size()) {
        FUZZ_REQUIRE(capital == text);
        return 0;
    }
    // Only the character at the position changes, to its simple upper-case mapping. The length
    // therefore changes only if that mapping leaves the character's plane, which Unicode does
    // not rule out, so it is not asserted.
    const std::size_t index = position - 1;
    std::size_t next = index;
    UChar32 c = 0;
    U16_NEXT(text.data(), next, text.size(), c);
    const std::size_t tail = text.size() - next;
    FUZZ_REQUIRE(capital.size() >= index + tail);
    FUZZ_REQUIRE(capital.compare(0, index, text, 0, index) == 0);
    FUZZ_REQUIRE(capital.compare(capital.size() - tail, tail, text, next, tail) == 0);
    std::size_t end = index;
    UChar32 middle = 0;
    U16_NEXT(capital.data(), end, capital.size(), middle);
    FUZZ_REQUIRE(end == capital.size() - tail);
    FUZZ_REQUIRE(middle == u_toupper(c));
    return 0;
}
