#include "engine/amount_words.h"

#include "engine/case_styles.h"

#include <algorithm>
#include <array>

namespace qev {

namespace {

// The Result text is all capitals, so the words are kept in capitals; the lower-case group words
// are made from them.
constexpr std::array<std::u16string_view, 10> kUnitWords = {
    u"", u"ONE", u"TWO", u"THREE", u"FOUR", u"FIVE", u"SIX", u"SEVEN", u"EIGHT", u"NINE"};
constexpr std::array<std::u16string_view, 10> kTeenWords = {
    u"TEN",     u"ELEVEN",  u"TWELVE",    u"THIRTEEN", u"FOURTEEN",
    u"FIFTEEN", u"SIXTEEN", u"SEVENTEEN", u"EIGHTEEN", u"NINETEEN"};
constexpr std::array<std::u16string_view, 10> kTensWords = {
    u"", u"", u"TWENTY", u"THIRTY", u"FORTY", u"FIFTY", u"SIXTY", u"SEVENTY", u"EIGHTY", u"NINETY"};

// Scale words of the groups above the units group: thousands, millions, billions, trillions.
constexpr std::array<std::u16string_view, 4> kScaleWords = {u"THOUSAND ", u"MILLION ", u"BILLION ",
                                                            u"TRILLION "};

constexpr std::u16string_view kEchoLabel = u"输入： ";
constexpr std::u16string_view kWordingLabel = u"输出： ";
constexpr std::u16string_view kLineBreak = u"\r\n";

int DigitValue(char16_t c) {
    return c >= u'0' && c <= u'9' ? c - u'0' : 0;
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Commas removed, then spaces cut at both ends.
std::u16string CleanAmount(std::u16string_view amount) {
    std::u16string cleaned;
    cleaned.reserve(amount.size());
    for (char16_t c : amount) {
        if (c != u',') {
            cleaned.push_back(c);
        }
    }
    const auto first = cleaned.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    const auto last = cleaned.find_last_not_of(u' ');
    return cleaned.substr(first, last - first + 1);
}

// Line breaks and other control characters of a rejected amount would break the two-line shape
// of the Result text; the echo shows them as U+FFFD.
std::u16string EchoOfRejected(std::u16string_view cleaned) {
    std::u16string echo(cleaned);
    for (char16_t& c : echo) {
        if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029) {
            c = 0xfffd;
        }
    }
    return echo;
}

Conversion Rejected(std::u16string_view amount, std::u16string_view message,
                    const SelectedCurrency& currency) {
    std::u16string text(kEchoLabel);
    AppendUpperCase(text, currency.code);
    AppendUpperCase(text, EchoOfRejected(CleanAmount(amount)));
    text.append(kLineBreak).append(kWordingLabel).append(message);
    return {std::move(text), false};
}

// The words of one group, each word part followed by one space.
void AppendGroupWords(std::u16string& out, int hundreds, int tens, int units) {
    if (hundreds != 0) {
        out.append(kUnitWords[hundreds])
            .append(tens + units != 0 ? u" HUNDRED AND " : u" HUNDRED ");
    }
    if (tens == 1) {
        out.append(kTeenWords[units]).push_back(u' ');
        return;
    }
    if (tens != 0) {
        out.append(kTensWords[tens]).push_back(u' ');
    }
    if (units != 0) {
        out.append(kUnitWords[units]).push_back(u' ');
    }
}

// The words of every group value 0 to 999, made once: a conversion then copies one text per
// group instead of assembling it word by word.
const std::u16string& GroupWords(int value) {
    static const std::array<std::u16string, 1000> table = [] {
        std::array<std::u16string, 1000> words;
        for (int v = 0; v < 1000; ++v) {
            AppendGroupWords(words[v], v / 100, v / 10 % 10, v % 10);
        }
        return words;
    }();
    return table[value];
}

} // namespace

std::u16string ThreeDigitsToWords(std::u16string_view group) {
    std::u16string words;
    if (group.size() == 1) {
        AppendGroupWords(words, 0, 0, DigitValue(group[0]));
    } else if (group.size() == 2) {
        AppendGroupWords(words, 0, DigitValue(group[0]), DigitValue(group[1]));
    } else if (group.size() >= 3) {
        AppendGroupWords(words, DigitValue(group[0]), DigitValue(group[1]), DigitValue(group[2]));
    }
    return ToLowerCase(words);
}

Conversion AmountToWords(std::u16string_view amount, const SelectedCurrency& currency) {
    // Commas count for nothing, so cutting spaces and commas together at both ends is the same
    // as removing the commas and then cutting the spaces.
    std::u16string_view body = amount;
    const auto first = body.find_first_not_of(u" ,");
    body = first == std::u16string_view::npos
               ? std::u16string_view()
               : body.substr(first, body.find_last_not_of(u" ,") - first + 1);

    std::size_t points = 0;
    std::size_t integerDigits = 0;
    for (char16_t c : body) {
        if (c == u'.') {
            ++points;
        } else if (IsDigit(c)) {
            integerDigits += points == 0 ? 1 : 0;
        } else if (c != u',') {
            return Rejected(amount, kInvalidCharacterMessage, currency);
        }
    }
    if (points > 1) {
        return Rejected(amount, kTooManyPointsMessage, currency);
    }

    // The last 15 integer digits and the first two fraction digits; what lies beyond them must
    // be zeros, which carry no value.
    std::array<char16_t, kMaxIntegerDigits> integer{};
    std::size_t integerSize = 0;
    std::array<char16_t, kMaxFractionDigits> fraction = {u'0', u'0'};
    std::size_t fractionSize = 0;
    bool inFraction = false;
    std::size_t seen = 0;
    for (char16_t c : body) {
        if (c == u'.') {
            inFraction = true;
        } else if (c == u',') {
            continue;
        } else if (!inFraction) {
            if (++seen + kMaxIntegerDigits <= integerDigits) {
                if (c != u'0') {
                    return Rejected(amount, kIntegerTooLongMessage, currency);
                }
            } else {
                integer[integerSize++] = c;
            }
        } else if (fractionSize < kMaxFractionDigits) {
            fraction[fractionSize++] = c;
        } else if (c != u'0') {
            return Rejected(amount, kFractionTooLongMessage, currency);
        }
    }
    if (integerSize == 0) {
        integer[integerSize++] = u'0'; // ".5" is written as 0.50, never as a bare "50"
    }

    std::u16string text;
    text.reserve(kEchoLabel.size() + currency.code.size() + 2 * kMaxIntegerDigits +
                 kLineBreak.size() + kWordingLabel.size() + currency.name.size() +
                 currency.subunit.size() + 256);
    text.append(kEchoLabel);
    AppendUpperCase(text, currency.code);
    // Groups of three digits from the right; the highest group has one to three.
    const std::size_t groupCount = (integerSize + 2) / 3;
    std::size_t start = 0;
    for (std::size_t k = groupCount; k > 0; --k) {
        const std::size_t length = integerSize - start - 3 * (k - 1);
        text.append(&integer[start], length).push_back(k > 1 ? u',' : u'.');
        start += length;
    }
    text.append(fraction.data(), fraction.size());
    text.append(kLineBreak).append(kWordingLabel).append(u"SAY ");
    AppendUpperCase(text, currency.name);
    text.push_back(u' ');

    start = 0;
    for (std::size_t k = groupCount; k > 0; --k) {
        const std::size_t length = integerSize - start - 3 * (k - 1);
        int value = 0;
        for (std::size_t i = 0; i < length; ++i) {
            value = value * 10 + (integer[start + i] - u'0');
        }
        start += length;
        if (value != 0) { // an all-zero group has neither words nor a scale word
            text.append(GroupWords(value));
            if (k > 1) {
                text.append(kScaleWords[k - 2]);
            }
        }
    }
    const int cents = (fraction[0] - u'0') * 10 + (fraction[1] - u'0');
    if (cents != 0) {
        text.append(u"& ").append(GroupWords(cents));
        AppendUpperCase(text, currency.subunit);
        text.push_back(u' ');
    }
    text.append(u"ONLY");
    return {std::move(text), true};
}

} // namespace qev
