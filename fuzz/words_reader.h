// Reads wordings back into the amounts they name, by the grammar of written English numbers and
// of the Chinese capital, never by the engine's own tables: how the fuzz targets and the engine
// test check that a wording says the amount it was made from.
#pragma once

#include "engine/amount_words.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qev::fuzz {

using Words = std::vector<std::string_view>;

inline Words SplitWords(std::string_view text) {
    Words words;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t space = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

inline std::string UpperAscii(std::u16string_view text) {
    std::string upper;
    for (const char16_t c : text) {
        upper += static_cast<char>(c >= u'a' && c <= u'z' ? c - 0x20 : c);
    }
    return upper;
}

inline int IndexOf(std::string_view word, std::initializer_list<std::string_view> list) {
    int i = 0;
    for (const std::string_view entry : list) {
        if (entry == word) {
            return i;
        }
        ++i;
    }
    return -1;
}

inline int Unit(std::string_view word) { // 1 to 9
    return IndexOf(word,
                   {"", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"});
}
inline int Teen(std::string_view word) { // 10 to 19
    const int i = IndexOf(word, {"TEN", "ELEVEN", "TWELVE", "THIRTEEN", "FOURTEEN", "FIFTEEN",
                                 "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"});
    return i < 0 ? -1 : 10 + i;
}
inline int Tens(std::string_view word) { // 20 to 90
    const int i = IndexOf(
        word, {"TWENTY", "THIRTY", "FORTY", "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY"});
    return i < 0 ? -1 : 20 + 10 * i;
}

// How a wording writes its numbers.
struct NumberStyle {
    bool hyphens = false;   // THIRTY-FOUR, else THIRTY FOUR
    bool hundredAnd = true; // ONE HUNDRED AND ONE, else ONE HUNDRED ONE
};

// The value 1 to 999 of the words of one group, exactly as the style writes it; -1 for any other.
inline int ReadGroup(const Words& w, std::size_t b, std::size_t e, NumberStyle style) {
    int value = 0;
    if (e - b >= 2 && w[b + 1] == "HUNDRED" && Unit(w[b]) > 0) {
        value = 100 * Unit(w[b]);
        b += 2;
        if (b < e && style.hundredAnd != (w[b] == "AND")) {
            return -1;
        }
        b += b < e && w[b] == "AND";
        if (style.hundredAnd && b == e && e > 0 && w[e - 1] == "AND") {
            return -1;
        }
    }
    if (b == e) {
        return value > 0 ? value : -1;
    }
    const std::string_view first = w[b];
    const std::size_t hyphen = first.find('-');
    int rest = -1;
    if (e - b == 1 && hyphen != std::string_view::npos) {
        const int tens = Tens(first.substr(0, hyphen)), unit = Unit(first.substr(hyphen + 1));
        rest = style.hyphens && tens > 0 && unit > 0 ? tens + unit : -1;
    } else if (e - b == 1) {
        rest = std::max(Unit(first), std::max(Teen(first), Tens(first)));
    } else if (e - b == 2 && !style.hyphens && Tens(first) > 0 && Unit(w[b + 1]) > 0) {
        rest = Tens(first) + Unit(w[b + 1]);
    }
    return rest > 0 ? value + rest : -1;
}

// The value of number words between scale words, each scale at most once and in falling order,
// each count below its own limit; -1 when they are not such words. "ZERO" alone is 0.
inline std::int64_t ReadScaled(const Words& w, std::size_t b, std::size_t e, NumberStyle style,
                               const std::vector<std::pair<std::string_view, std::int64_t>>& scales,
                               const std::vector<int>& limits) {
    if (e - b == 1 && w[b] == "ZERO") {
        return 0;
    }
    std::int64_t total = 0;
    std::size_t next = 0; // the first scale still allowed
    std::size_t start = b;
    for (std::size_t i = b; i <= e; ++i) {
        std::size_t scale = scales.size(); // the units, at the end
        if (i < e) {
            scale = 0;
            while (scale < scales.size() && scales[scale].first != w[i]) {
                ++scale;
            }
            if (scale == scales.size()) {
                continue;
            }
            if (scale < next) {
                return -1;
            }
        } else if (start == e) {
            break;
        }
        const int count = ReadGroup(w, start, i, style);
        if (count < 0 || count > limits[scale]) {
            return -1;
        }
        total += count * (scale < scales.size() ? scales[scale].second : 1);
        next = scale + 1;
        start = i + 1;
    }
    return b == e ? -1 : total;
}

// An integer in words, in international or Indian numbering; -1 when the words are none.
inline std::int64_t ReadInteger(const Words& w, std::size_t b, std::size_t e, NumberStyle style,
                                bool indian) {
    if (!indian) {
        return ReadScaled(w, b, e, style,
                          {{"TRILLION", 1'000'000'000'000},
                           {"BILLION", 1'000'000'000},
                           {"MILLION", 1'000'000},
                           {"THOUSAND", 1'000}},
                          {999, 999, 999, 999, 999});
    }
    // Crores, their number itself in lakhs and thousands; then lakhs, thousands, the rest.
    std::size_t crore = e;
    for (std::size_t i = b; i < e; ++i) {
        crore = w[i] == "CRORE" ? i : crore;
    }
    const auto below = [&](std::size_t from, std::size_t to, int lakhs) {
        return ReadScaled(w, from, to, style, {{"LAKH", 100'000}, {"THOUSAND", 1'000}},
                          {lakhs, 99, 999});
    };
    if (crore == e) {
        return below(b, e, 99);
    }
    const std::int64_t crores = below(b, crore, 999);
    const std::int64_t rest = crore + 1 == e ? 0 : below(crore + 1, e, 99);
    return crores <= 0 || rest < 0 || (crore + 1 < e && rest == 0) ? -1
                                                                   : crores * 10'000'000 + rest;
}

// Whether the words at [b, e) end with `name`'s words.
inline bool EndsWith(const Words& w, std::size_t b, std::size_t e, const Words& name) {
    if (e - b < name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (w[e - name.size() + i] != name[i]) {
            return false;
        }
    }
    return true;
}

// A wording read back: the whole units, the sub-units, whether ONLY closes it, whether ZERO was
// written, and the number each name that follows a count was read in (1 singular, 2 plural,
// 3 either, when both are the same words; 0 no such name).
struct WordingRead {
    std::int64_t units = 0;
    int subunits = 0;
    bool only = false, zero = false;
    int name = 0, subunitName = 0;
};

// Reads an upper-case wording ("SAY US DOLLARS ONE HUNDRED AND FIVE & FIFTY CENTS ONLY") as
// `form` writes it for `currency`; nothing when it is no such wording. Outside the design's form
// the names after a count are read in either number, and `name`/`subunitName` say which.
inline std::optional<WordingRead>
ReadWording(std::string_view wording, const SelectedCurrency& currency, const WordingForm& form) {
    const Words w = SplitWords(wording);
    const bool designed = form.EnglishAsDesigned();
    // The names as they follow a count; the design's form writes them as stored.
    const auto number = [&](const std::u16string& form, const std::u16string& stored) {
        return UpperAscii(designed || form.empty() ? stored : form);
    };
    const std::string stored = UpperAscii(currency.name), storedSub = UpperAscii(currency.subunit);
    const std::string nameOne = number(currency.nameOne, currency.name),
                      nameMany = number(currency.nameMany, currency.name),
                      subOne = number(currency.subunitOne, currency.subunit),
                      subMany = number(currency.subunitMany, currency.subunit);
    const NumberStyle style{form[FormChoice::Tens] != 0, form[FormChoice::Hundreds] == 0};
    const bool indian = form[FormChoice::Numbering] != 0;
    const std::size_t subunitForm = form[FormChoice::Subunit];
    const bool after = form[FormChoice::Currency] != 0, nameLast = after && subunitForm >= 3;
    const std::size_t decimals = currency.decimals;

    WordingRead read;
    std::size_t b = 0, e = w.size();
    // Strips a name that follows its count from the end: 1 singular, 2 plural, 3 both (the same
    // words), 0 none.
    const auto stripName = [&](std::size_t& end, const std::string& one, const std::string& many) {
        const Words oneWords = SplitWords(one), manyWords = SplitWords(many);
        const bool isOne = EndsWith(w, b, end, oneWords), isMany = EndsWith(w, b, end, manyWords);
        end -= isOne ? oneWords.size() : isMany ? manyWords.size() : 0;
        return (isOne ? 1 : 0) | (isMany ? 2 : 0);
    };
    constexpr std::string_view kOpenings[] = {"SAY", "SAY TOTAL", ""};
    const std::string_view opening = kOpenings[form[FormChoice::Opening]];
    for (const std::string_view word : opening.empty() ? Words{} : SplitWords(opening)) {
        if (b == e || w[b] != word) {
            return std::nullopt;
        }
        ++b;
    }
    if (!after) {
        for (const std::string_view word : SplitWords(stored)) {
            if (b == e || w[b] != word) {
                return std::nullopt;
            }
            ++b;
        }
    }
    read.only = e > b && w[e - 1] == "ONLY";
    e -= read.only;
    if (nameLast && !(read.name = stripName(e, nameOne, nameMany))) {
        return std::nullopt;
    }
    // The whole units before the clause: the name after them where it follows them, then ZERO,
    // number words, or nothing at all before "& FIFTY CENTS" with the name first.
    const auto readUnits = [&](std::size_t end) {
        if (after && !nameLast && !(read.name = stripName(end, nameOne, nameMany))) {
            return false;
        }
        read.zero = end - b == 1 && w[b] == "ZERO";
        read.units =
            end == b && subunitForm == 0 && !after ? 0 : ReadInteger(w, b, end, style, indian);
        return read.units >= 0;
    };
    const std::int64_t limit = decimals == 3 ? 999 : 99;
    const auto subunitsAt = [&](std::size_t from, std::size_t to) {
        const std::int64_t value = ReadInteger(w, from, to, style, false);
        return value > 0 && value <= limit && !(to - from == 1 && w[from] == "ZERO") ? int(value)
                                                                                     : -1;
    };
    if (subunitForm <= 1) { // "& FIFTY CENTS", "AND FIFTY CENTS"
        std::size_t end = e;
        const int number = stripName(end, subOne, subMany);
        for (std::size_t mark = end; number && mark-- > b;) {
            if (w[mark] == (subunitForm == 0 ? "&" : "AND") &&
                (read.subunits = subunitsAt(mark + 1, end)) > 0 && readUnits(mark)) {
                read.subunitName = number;
                return read;
            }
        }
        read.subunits = 0;
    } else if (subunitForm == 2) { // "AND CENTS FIFTY"
        const std::string andName = "AND " + storedSub;
        const Words clause = SplitWords(andName);
        for (std::size_t mark = e; mark-- > b;) {
            if (mark + clause.size() <= e && EndsWith(w, b, mark + clause.size(), clause) &&
                (read.subunits = subunitsAt(mark + clause.size(), e)) > 0 && readUnits(mark)) {
                return read;
            }
        }
        read.subunits = 0;
    } else if (subunitForm == 3) { // "AND 50/100", always
        const std::string_view fraction = e - b >= 2 ? w[e - 1] : std::string_view();
        const std::string denominator = decimals == 3 ? "/1000" : "/100";
        if (e - b < 2 || w[e - 2] != "AND" || fraction.size() != decimals + denominator.size() ||
            !fraction.ends_with(denominator) ||
            fraction.find_first_not_of("0123456789") != decimals) {
            return std::nullopt;
        }
        read.subunits = std::stoi(std::string(fraction.substr(0, decimals)));
        return readUnits(e - 2) ? std::optional(read) : std::nullopt;
    } else if (e - b >= decimals + 2 && w[e - decimals - 2] == "AND" &&
               w[e - decimals - 1] == "POINT") { // "AND POINT FIVE ZERO"
        for (std::size_t i = e - decimals; i < e; ++i) {
            const int digit = w[i] == "ZERO" ? 0 : Unit(w[i]);
            if (digit < 0) {
                return std::nullopt;
            }
            read.subunits = read.subunits * 10 + digit;
        }
        return read.subunits > 0 && readUnits(e - decimals - 2) ? std::optional(read)
                                                                : std::nullopt;
    }
    return readUnits(e) ? std::optional(read) : std::nullopt;
}

// What is wrong with `wording`, the upper-case words `form` gives `currency` for an amount of
// `units` and `subunits`: empty when nothing is. Single spaces, no "AND AND", the same amount
// read back, ZERO and ONLY where the form has them, and outside the design's form every name
// after its count in the number the count asks for (a noun that does not change is both).
inline std::string WordingFault(std::string_view wording, const SelectedCurrency& currency,
                                const WordingForm& form, std::int64_t units, int subunits) {
    const std::string spaced = " " + std::string(wording) + " ";
    if (wording.empty() || spaced.find("  ") != std::string::npos) {
        return "not single spaces";
    }
    if (spaced.find(" AND AND ") != std::string::npos) {
        return "AND AND";
    }
    const std::optional<WordingRead> read = ReadWording(wording, currency, form);
    if (!read) {
        return "unreadable";
    }
    if (read->units != units || read->subunits != subunits) {
        return "another amount: " + std::to_string(read->units) + " " +
               std::to_string(read->subunits);
    }
    const std::size_t subunitForm = form[FormChoice::Subunit];
    const bool before = form[FormChoice::Currency] == 0;
    if (read->zero != (units == 0 && !(subunitForm == 0 && before))) {
        return "ZERO where it does not belong, or none where it does";
    }
    if (read->only !=
        (form[FormChoice::Closing] == 0 || (form[FormChoice::Closing] == 2 && subunits == 0))) {
        return "ONLY where it does not belong, or none where it does";
    }
    if (!form.EnglishAsDesigned()) { // 1 singular, 2 plural
        const auto agrees = [](int read, int wanted) {
            return wanted == 0 ? read == 0 : (read & wanted) != 0;
        };
        const bool oneUnit = units == 1 && subunitForm != 3 && !(subunitForm == 4 && subunits);
        if (!agrees(read->name, before    ? 0
                                : oneUnit ? 1
                                          : 2) ||
            !agrees(read->subunitName, subunitForm > 1 || !subunits ? 0
                                       : subunits == 1              ? 1
                                                                    : 2)) {
            return "a name that does not agree with its count";
        }
    }
    return {};
}

// The 17 digits (15 integer, 2 decimals) a Chinese capital names; nothing when it is no such
// capital.
inline std::optional<std::string> ReadRmbCapital(std::u16string_view capital) {
    constexpr std::u16string_view kNumerals = u"零壹贰叁肆伍陆柒捌玖";
    if (!capital.starts_with(u"人民币")) {
        return std::nullopt;
    }
    capital.remove_prefix(3);
    // A number below 万: digits each followed by its place, falling; 零 between them.
    const auto section = [&](std::u16string_view s) -> std::int64_t {
        std::int64_t value = 0, lastPlace = 10000;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == u'零') {
                continue;
            }
            const std::size_t digit = kNumerals.find(s[i]);
            if (digit == 0 || digit == std::u16string_view::npos) {
                return -1;
            }
            const std::size_t place = i + 1 < s.size()
                                          ? std::u16string_view(u"拾佰仟").find(s[i + 1])
                                          : std::u16string_view::npos;
            const std::int64_t placeValue = place == std::u16string_view::npos ? 1
                                            : place == 0                       ? 10
                                            : place == 1                       ? 100
                                                                               : 1000;
            if (placeValue >= lastPlace || (placeValue == 1 && i + 1 != s.size())) {
                return -1;
            }
            value += std::int64_t(digit) * placeValue;
            lastPlace = placeValue;
            i += place != std::u16string_view::npos;
        }
        return value;
    };
    // Sections of 亿 and 万, the higher one itself counted in 万 of 亿.
    const auto integer = [&](auto&& self, std::u16string_view s) -> std::int64_t {
        for (const auto& [mark, scale] : {std::pair{u'亿', std::int64_t{100'000'000}},
                                          std::pair{u'万', std::int64_t{10'000}}}) {
            if (const std::size_t at = s.rfind(mark); at != std::u16string_view::npos) {
                const std::int64_t high = self(self, s.substr(0, at)),
                                   low = self(self, s.substr(at + 1));
                return high <= 0 || low < 0 || (scale == 10'000 && low >= 10'000) ||
                               (scale == 10'000 && s.substr(0, at).find(u'亿') != s.npos)
                           ? -1
                           : high * scale + low;
            }
        }
        return section(s);
    };
    std::int64_t yuan = 0;
    int fen = 0;
    if (const std::size_t at = capital.find(u'元'); at != std::u16string_view::npos) {
        yuan = capital.substr(0, at) == u"零" ? 0 : integer(integer, capital.substr(0, at));
        if (yuan < 0) {
            return std::nullopt;
        }
        capital.remove_prefix(at + 1);
    }
    capital = capital.starts_with(u'零') ? capital.substr(1) : capital;
    for (const auto& [place, weight] : {std::pair{u'角', 10}, std::pair{u'分', 1}}) {
        if (capital.size() >= 2 && capital[1] == place) {
            const std::size_t digit = kNumerals.find(capital[0]);
            if (digit == 0 || digit == std::u16string_view::npos) {
                return std::nullopt;
            }
            fen += int(digit) * weight;
            capital.remove_prefix(2);
        }
    }
    if (!(capital.empty() || capital == u"整")) {
        return std::nullopt;
    }
    std::string digits = std::to_string(yuan);
    digits.insert(0, 15 - std::min<std::size_t>(15, digits.size()), '0');
    return digits.size() == 15 ? std::optional(digits + char('0' + fen / 10) + char('0' + fen % 10))
                               : std::nullopt;
}

} // namespace qev::fuzz
