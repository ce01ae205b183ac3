// The amount box's cleaning on any UTF-16 text: the first two bytes give the caret (up to one
// past the end), the rest are code units.
#include "engine/amount_input.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::u16string text = qev::fuzz::CodeUnits(data + 2, size - 2);
    const std::size_t caret = (data[0] | data[1] << 8) % (text.size() + 2);
    const qev::CleanedAmount cleaned = qev::CleanAmountInput(text, caret);
    const std::u16string_view out = cleaned.text;

    FUZZ_REQUIRE(std::all_of(out.begin(), out.end(), qev::IsAmountCharacter));
    FUZZ_REQUIRE(!out.starts_with(u'.'));
    FUZZ_REQUIRE(cleaned.caret <= out.size());

    // Every amount character of the input, in input order, what a Chinese input method gives
    // for one (full-width digits, "．", "。", "，") as that character, and nothing else but the
    // one "0" put before a leading point.
    const auto kept = [](std::u16string_view s) {
        std::u16string amountCharacters;
        for (const char16_t c : s) {
            if (qev::IsAmountCharacter(c)) {
                amountCharacters += c;
            } else if (c >= 0xff10 && c <= 0xff19) {
                amountCharacters += static_cast<char16_t>(u'0' + (c - 0xff10));
            } else if (c == 0xff0e || c == 0x3002 || c == 0xff0c) {
                amountCharacters += c == 0xff0c ? u',' : u'.';
            }
        }
        return amountCharacters;
    };
    const std::u16string all = kept(text);
    const bool zeroAdded = all.starts_with(u'.');
    FUZZ_REQUIRE(out.substr(zeroAdded ? 1 : 0) == all);
    FUZZ_REQUIRE(!zeroAdded || out.starts_with(u'0'));

    // The caret keeps its place: what stands before it is what stood before it, cleaned, and
    // the "0" put before a leading point.
    const std::u16string before = kept(std::u16string_view(text).substr(0, caret));
    FUZZ_REQUIRE(cleaned.caret == before.size() + (zeroAdded ? 1 : 0));
    return 0;
}
