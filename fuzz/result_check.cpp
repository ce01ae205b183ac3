#include "fuzz/result_check.h"

#include "engine/case_styles.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace qev::fuzz {

namespace {

constexpr auto npos = std::u16string_view::npos;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Characters that would break a line of the result box, or show as nothing on it.
bool BreaksLine(char16_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

std::u16string DigitsOf(std::u16string_view text) {
    std::u16string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

// What an amount calls for, worked out from the amount and its currency's decimals alone: an error
// message, or none and the digits its echo shows (the last 15 integer digits or "0", then exactly
// the currency's decimals).
struct Expected {
    std::u16string cleaned; // commas removed, spaces cut at both ends
    std::u16string_view message;
    std::u16string echoDigits;
};

Expected Expect(std::u16string_view amount, std::size_t decimals) {
    Expected expected;
    std::copy_if(amount.begin(), amount.end(), std::back_inserter(expected.cleaned),
                 [](char16_t c) { return c != u','; });
    const auto first = expected.cleaned.find_first_not_of(u' ');
    expected.cleaned =
        first == npos
            ? std::u16string()
            : expected.cleaned.substr(first, expected.cleaned.find_last_not_of(u' ') - first + 1);
    const std::u16string_view cleaned = expected.cleaned;

    if (!std::all_of(cleaned.begin(), cleaned.end(),
                     [](char16_t c) { return IsDigit(c) || c == u'.'; })) {
        expected.message = kInvalidCharacterMessage;
        return expected;
    }
    const auto point = cleaned.find(u'.');
    if (point != npos && cleaned.find(u'.', point + 1) != npos) {
        expected.message = kTooManyPointsMessage;
        return expected;
    }
    std::u16string_view integer = cleaned.substr(0, point);
    std::u16string_view fraction =
        point == npos ? std::u16string_view() : cleaned.substr(point + 1);
    if (integer.size() > kMaxIntegerDigits) {
        const auto beyond = integer.substr(0, integer.size() - kMaxIntegerDigits);
        if (beyond.find_first_not_of(u'0') != npos) {
            expected.message = kIntegerTooLongMessage;
            return expected;
        }
        integer.remove_prefix(beyond.size());
    }
    if (fraction.size() > decimals) {
        if (fraction.find_first_not_of(u'0', decimals) != npos) {
            expected.message = decimals == 3 ? kThousandthsTooLongMessage : kFractionTooLongMessage;
            return expected;
        }
        fraction = fraction.substr(0, decimals);
    }
    expected.echoDigits = integer.empty() ? u"0" : std::u16string(integer);
    expected.echoDigits.append(fraction).append(decimals - fraction.size(), u'0');
    return expected;
}

// "7.00", "12,345.60", "000,000,001.25", "3.500": one to three digits, groups of three after
// commas, then "." and the currency's decimals.
bool IsGroupedAmount(std::u16string_view echo, std::size_t decimals) {
    const auto point = echo.find(u'.');
    if (point == npos || echo.size() - point != decimals + 1 ||
        !std::all_of(echo.begin() + point + 1, echo.end(), IsDigit)) {
        return false;
    }
    const std::u16string_view integer = echo.substr(0, point);
    const std::size_t lead = std::min(integer.find(u','), integer.size());
    if (lead < 1 || lead > 3 || (integer.size() - lead) % 4 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < integer.size(); ++i) {
        const bool commaPlace = i >= lead && (i - lead) % 4 == 0;
        if (commaPlace ? integer[i] != u',' : !IsDigit(integer[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

void CheckResultText(std::u16string_view amount, const SelectedCurrency& currency,
                     const Conversion& conversion) {
    const std::u16string_view text = conversion.text;
    const auto lineBreak = text.find(u"\r\n");
    FUZZ_REQUIRE(lineBreak != npos);
    const std::u16string_view echoLine = text.substr(0, lineBreak);
    const std::u16string_view wordingLine = text.substr(lineBreak + 2);
    FUZZ_REQUIRE(std::none_of(echoLine.begin(), echoLine.end(), BreaksLine));
    FUZZ_REQUIRE(std::none_of(wordingLine.begin(), wordingLine.end(), BreaksLine));
    FUZZ_REQUIRE(wordingLine.find(u"  ") == npos);

    const std::u16string echoLabel = u"输入： " + ToUpperCase(currency.code);
    FUZZ_REQUIRE(echoLine.starts_with(echoLabel));
    const std::u16string_view echo = echoLine.substr(echoLabel.size());

    const Expected expected = Expect(amount, currency.decimals);
    FUZZ_REQUIRE(conversion.converted == expected.message.empty());
    if (conversion.converted) {
        const std::u16string sayLabel = u"输出： SAY " + ToUpperCase(currency.name) + u" ";
        FUZZ_REQUIRE(wordingLine.starts_with(sayLabel));
        FUZZ_REQUIRE(wordingLine.ends_with(u"ONLY"));
        FUZZ_REQUIRE(IsGroupedAmount(echo, currency.decimals));
        FUZZ_REQUIRE(DigitsOf(echo) == expected.echoDigits);
    } else {
        FUZZ_REQUIRE(wordingLine == u"输出： " + std::u16string(expected.message));
        // The amount as given, commas removed and spaces cut at both ends.
        FUZZ_REQUIRE(DigitsOf(echo) == DigitsOf(amount));
        FUZZ_REQUIRE(echo.find(u',') == npos);
        FUZZ_REQUIRE(!echo.starts_with(u' ') && !echo.ends_with(u' '));
        const std::u16string_view cleaned = expected.cleaned;
        if (std::all_of(cleaned.begin(), cleaned.end(),
                        [](char16_t c) { return c >= 0x20 && c < 0x7f; })) {
            std::u16string upper(cleaned);
            std::transform(upper.begin(), upper.end(), upper.begin(), [](char16_t c) {
                return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
            });
            FUZZ_REQUIRE(echo == upper);
        }
    }
}

std::u16string EchoedDigits(const Conversion& conversion, const SelectedCurrency& currency) {
    const std::u16string_view text = conversion.text;
    const std::u16string echo =
        DigitsOf(text.substr(0, text.find(u'\r')).substr(3 + currency.code.size()));
    return std::u16string(kMaxIntegerDigits + currency.decimals - echo.size(), u'0') + echo;
}

std::u16string AmountCharacters(const std::uint8_t* data, std::size_t size) {
    constexpr std::u16string_view kAlphabet = u"0123456789,.";
    std::u16string amount;
    amount.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = data[i];
        amount.push_back(kAlphabet.find(c) != npos ? c : kAlphabet[data[i] % kAlphabet.size()]);
    }
    return amount;
}

} // namespace qev::fuzz
