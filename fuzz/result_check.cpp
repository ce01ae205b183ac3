#include "fuzz/result_check.h"

#include "engine/case_styles.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

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
    std::u16string cleaned; // spaces cut at both ends, commas removed
    std::u16string_view message;
    std::u16string echoDigits;
};

// Whether the commas of an amount of digits, commas and at most one point part its integer into
// groups: of three after the first of one to three digits, or the Indian way, three last and two
// before, after the first of one or two.
bool CommasBetweenGroups(std::u16string_view amount) {
    const std::u16string_view integer = amount.substr(0, amount.find(u'.'));
    if (integer.size() < amount.size() && amount.find(u',', integer.size()) != npos) {
        return false; // a comma among the decimals
    }
    std::vector<std::size_t> groups{0};
    for (const char16_t c : integer) {
        c == u',' ? groups.push_back(0) : void(++groups.back());
    }
    if (groups.size() == 1) {
        return true;
    }
    const auto middlesOf = [&](std::size_t size) {
        return std::all_of(groups.begin() + 1, groups.end() - 1,
                           [size](std::size_t group) { return group == size; });
    };
    return groups.back() == 3 && groups.front() >= 1 &&
           ((groups.front() <= 3 && middlesOf(3)) || (groups.front() <= 2 && middlesOf(2)));
}

Expected Expect(std::u16string_view amount, std::size_t decimals) {
    Expected expected;
    const auto trim = [](std::u16string_view text) {
        const auto first = text.find_first_not_of(u' ');
        return first == npos ? std::u16string_view()
                             : text.substr(first, text.find_last_not_of(u' ') - first + 1);
    };
    const std::u16string_view trimmed = trim(amount);
    std::u16string withoutCommas;
    std::copy_if(amount.begin(), amount.end(), std::back_inserter(withoutCommas),
                 [](char16_t c) { return c != u','; });
    expected.cleaned = trim(withoutCommas);
    const std::u16string_view cleaned = expected.cleaned;

    if (!std::all_of(trimmed.begin(), trimmed.end(),
                     [](char16_t c) { return IsDigit(c) || c == u'.' || c == u','; })) {
        expected.message = kInvalidCharacterMessage;
        return expected;
    }
    const auto point = cleaned.find(u'.');
    if (point != npos && cleaned.find(u'.', point + 1) != npos) {
        expected.message = kTooManyPointsMessage;
        return expected;
    }
    if (!CommasBetweenGroups(trimmed)) {
        expected.cleaned = trimmed;
        expected.message = kMisplacedCommaMessage;
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
        // Commas kept only when they are what is wrong.
        FUZZ_REQUIRE(expected.message == kMisplacedCommaMessage || echo.find(u',') == npos);
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
