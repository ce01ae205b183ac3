#include "engine/amount_words.h"

#include "engine/text_services.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qev {

namespace {

// Every word in lower case, as the wording is built; a letter style recasts them once, in the
// tables below, never per amount.
constexpr std::array<std::string_view, 10> kUnitWords = {"",     "one", "two",   "three", "four",
                                                         "five", "six", "seven", "eight", "nine"};
constexpr std::array<std::string_view, 10> kTeenWords = {
    "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
    "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<std::string_view, 10> kTensWords = {
    "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};

// Scale words of the groups above the units group: thousands, millions, billions, trillions.
constexpr std::array<std::string_view, 4> kScaleWords = {"thousand ", "million ", "billion ",
                                                         "trillion "};

constexpr std::u16string_view kEchoLabel = u"输入： ";
constexpr std::u16string_view kWordingLabel = u"输出： ";
constexpr std::u16string_view kLineBreak = u"\r\n";

// The words of one group, each word part followed by one space.
void AppendGroupWords(std::string& out, int hundreds, int tens, int units) {
    if (hundreds != 0) {
        out.append(kUnitWords[hundreds]).append(tens + units != 0 ? " hundred and " : " hundred ");
    }
    if (tens == 1) {
        out.append(kTeenWords[units]).push_back(' ');
        return;
    }
    if (tens != 0) {
        out.append(kTensWords[tens]).push_back(' ');
    }
    if (units != 0) {
        out.append(kUnitWords[units]).push_back(' ');
    }
}

int DigitValue(char16_t c) {
    return c >= u'0' && c <= u'9' ? c - u'0' : 0;
}

// Lower-case ASCII words in a letter style. Each piece follows a space in the Result text, so
// "Abc" capitalises its first letter as well as every one after a space.
std::string StyledWords(std::string_view words, CaseStyle style) {
    std::string styled(words);
    for (std::size_t i = 0; i < styled.size(); ++i) {
        const bool capital = style == CaseStyle::Upper ||
                             (style == CaseStyle::Title && (i == 0 || styled[i - 1] == ' '));
        if (capital && styled[i] >= 'a' && styled[i] <= 'z') {
            styled[i] = static_cast<char>(styled[i] - 'a' + 'A');
        }
    }
    return styled;
}

template <typename Char>
std::basic_string<Char> Encoded(std::u16string_view text) {
    if constexpr (std::is_same_v<Char, char>) {
        std::string bytes;
        AppendUtf8(bytes, text);
        return bytes;
    } else {
        return std::u16string(text);
    }
}

template <typename Char>
std::basic_string<Char> Encoded(std::string_view ascii) {
    return std::basic_string<Char>(ascii.begin(), ascii.end());
}

// A piece of text kept with room after it, so that a short one is copied by one move of a fixed
// size; what the move writes past the piece's end is written over by what follows.
template <typename Char>
struct Piece {
    static constexpr std::size_t kRoom = 48;
    Piece() = default;
    explicit Piece(std::basic_string<Char> text) : size(text.size()), padded(std::move(text)) {
        padded.resize(size + kRoom);
    }
    std::basic_string<Char> Text() const { return padded.substr(0, size); }
    std::size_t size = 0;
    std::basic_string<Char> padded = std::basic_string<Char>(kRoom, Char(0));
};

template <typename Char>
Char* Put(Char* at, const std::basic_string<Char>& text) {
    std::memcpy(at, text.data(), text.size() * sizeof(Char));
    return at + text.size();
}

template <typename Char>
Char* Put(Char* at, const Piece<Char>& piece) {
    if (piece.size <= Piece<Char>::kRoom) {
        std::memcpy(at, piece.padded.data(), Piece<Char>::kRoom * sizeof(Char));
    } else {
        std::memcpy(at, piece.padded.data(), piece.size * sizeof(Char));
    }
    return at + piece.size;
}

// The words of one letter style, made once for each character type: the group words of every
// value 0 to 999, the scale words and the fixed words of the frame.
template <typename Char>
struct StyledTable {
    std::array<Piece<Char>, 1000> groups;
    std::array<Piece<Char>, 4> scales;
    Piece<Char> say, ampersand, only;
};

template <typename Char>
const StyledTable<Char>& TableIn(CaseStyle style) {
    static const std::array<StyledTable<Char>, 3> tables = [] {
        std::array<StyledTable<Char>, 3> made;
        for (const CaseStyle s : {CaseStyle::Upper, CaseStyle::Title, CaseStyle::Lower}) {
            StyledTable<Char>& table = made[static_cast<std::size_t>(s)];
            for (int v = 0; v < 1000; ++v) {
                std::string words;
                AppendGroupWords(words, v / 100, v / 10 % 10, v % 10);
                table.groups[v] = Piece<Char>(Encoded<Char>(StyledWords(words, s)));
            }
            for (std::size_t k = 0; k < kScaleWords.size(); ++k) {
                table.scales[k] = Piece<Char>(Encoded<Char>(StyledWords(kScaleWords[k], s)));
            }
            table.say = Piece<Char>(Encoded<Char>(StyledWords("say ", s)));
            table.ampersand = Piece<Char>(Encoded<Char>(std::string_view("& ")));
            table.only = Piece<Char>(Encoded<Char>(StyledWords("only", s)));
        }
        return made;
    }();
    return tables[static_cast<std::size_t>(style)];
}

// An amount read: the last 15 integer digits and the two fraction digits, or why it cannot be
// written out.
struct ReadAmount {
    std::array<char, kMaxIntegerDigits> integer{};
    std::size_t integerSize = 0;
    std::array<char, kMaxFractionDigits> fraction = {'0', '0'};
    AmountProblem problem = AmountProblem::None;
};

template <typename Char>
ReadAmount Read(std::basic_string_view<Char> amount) {
    ReadAmount read;
    // Commas count for nothing, so cutting spaces and commas together at both ends is the same
    // as removing the commas and then cutting the spaces.
    const auto blank = [](Char c) { return c == Char(' ') || c == Char(','); };
    std::size_t first = 0;
    std::size_t last = amount.size();
    while (first < last && blank(amount[first])) {
        ++first;
    }
    while (last > first && blank(amount[last - 1])) {
        --last;
    }

    // Most amounts are plain digits, perhaps a point and one or two decimals.
    std::size_t i = first;
    while (i < last && i - first < kMaxIntegerDigits && amount[i] >= Char('0') &&
           amount[i] <= Char('9')) {
        read.integer[read.integerSize++] = static_cast<char>(amount[i++]);
    }
    if (read.integerSize > 0 && (i == last || (amount[i] == Char('.') && last - i <= 3))) {
        std::size_t fractionDigits = 0;
        for (++i; i < last && amount[i] >= Char('0') && amount[i] <= Char('9'); ++i) {
            read.fraction[fractionDigits++] = static_cast<char>(amount[i]);
        }
        if (i >= last) {
            return read;
        }
    }
    read = ReadAmount();

    // One pass: the last integer digits kept in a ring, the first two fraction digits, and where
    // the digits that must be zeros (beyond 15 integer and two fraction digits) are not.
    std::array<char, 16> ring{};
    std::size_t integerDigits = 0;
    std::size_t firstNonZero = std::string_view::npos;
    std::size_t points = 0;
    std::size_t fractionDigits = 0;
    bool fractionTooLong = false;
    for (i = first; i < last; ++i) {
        const Char c = amount[i];
        if (c >= Char('0') && c <= Char('9')) {
            if (points == 0) {
                if (c != Char('0') && firstNonZero == std::string_view::npos) {
                    firstNonZero = integerDigits;
                }
                ring[integerDigits++ % ring.size()] = static_cast<char>(c);
            } else if (fractionDigits < kMaxFractionDigits) {
                read.fraction[fractionDigits++] = static_cast<char>(c);
            } else {
                fractionTooLong = fractionTooLong || c != Char('0');
            }
        } else if (c == Char('.')) {
            ++points;
        } else if (c != Char(',')) {
            read.problem = AmountProblem::InvalidCharacter;
            return read;
        }
    }
    if (points > 1) {
        read.problem = AmountProblem::TooManyPoints;
    } else if (integerDigits > kMaxIntegerDigits &&
               firstNonZero < integerDigits - kMaxIntegerDigits) {
        read.problem = AmountProblem::IntegerTooLong;
    } else if (fractionTooLong) {
        read.problem = AmountProblem::FractionTooLong;
    }
    for (i = integerDigits - std::min(integerDigits, kMaxIntegerDigits); i < integerDigits; ++i) {
        read.integer[read.integerSize++] = ring[i % ring.size()];
    }
    if (read.integerSize == 0) {
        read.integer[read.integerSize++] = '0'; // ".5" is written as 0.50, never as a bare "50"
    }
    return read;
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

std::u16string_view MessageOf(AmountProblem problem) {
    switch (problem) {
    case AmountProblem::TooManyPoints:
        return kTooManyPointsMessage;
    case AmountProblem::IntegerTooLong:
        return kIntegerTooLongMessage;
    case AmountProblem::FractionTooLong:
        return kFractionTooLongMessage;
    default:
        return kInvalidCharacterMessage;
    }
}

} // namespace

std::u16string ThreeDigitsToWords(std::u16string_view group) {
    std::string words;
    if (group.size() == 1) {
        AppendGroupWords(words, 0, 0, DigitValue(group[0]));
    } else if (group.size() == 2) {
        AppendGroupWords(words, 0, DigitValue(group[0]), DigitValue(group[1]));
    } else if (group.size() >= 3) {
        AppendGroupWords(words, DigitValue(group[0]), DigitValue(group[1]), DigitValue(group[2]));
    }
    return Encoded<char16_t>(std::string_view(words));
}

template <typename Char>
PreparedCurrency<Char>::PreparedCurrency(const SelectedCurrency& currency, CaseStyle style)
    : style_(style), echoStart_(Encoded<Char>(kEchoLabel) +
                                Encoded<Char>(ApplyCaseStyleToPart(currency.code, style))),
      wordingStart_(Encoded<Char>(kWordingLabel) + TableIn<Char>(style).say.Text() +
                    Encoded<Char>(ApplyCaseStyleToPart(currency.name, style)) + Char(' ')),
      subunitEnd_(Encoded<Char>(ApplyCaseStyleToPart(currency.subunit, style)) + Char(' ')) {
    // Five groups of the longest words with their scale words, the cents and the frame.
    const StyledTable<Char>& table = TableIn<Char>(style);
    const auto longest = [](const auto& texts) {
        return std::max_element(texts.begin(), texts.end(),
                                [](const auto& a, const auto& b) { return a.size < b.size; })
            ->size;
    };
    const std::size_t group = longest(table.groups) + longest(table.scales);
    room_ = Piece<Char>::kRoom + echoStart_.size() + kMaxIntegerDigits + 5 + kMaxFractionDigits +
            wordingStart_.size() + 6 * group + table.ampersand.size + subunitEnd_.size() +
            table.only.size;
}

template <typename Char>
Char* PreparedCurrency<Char>::WriteResult(Char* at, std::basic_string_view<Char> amount,
                                          std::basic_string_view<Char> lineBreak,
                                          AmountProblem& problem) const {
    const ReadAmount read = Read(amount);
    problem = read.problem;
    if (problem != AmountProblem::None) {
        return at;
    }
    const StyledTable<Char>& table = TableIn<Char>(style_);
    at = Put(at, echoStart_);
    // Groups of three digits from the right; the highest group has one to three.
    const std::size_t groupCount = (read.integerSize + 2) / 3;
    std::array<int, 5> values{};
    std::size_t digit = 0;
    for (std::size_t k = groupCount; k > 0; --k) {
        for (const std::size_t end = read.integerSize - 3 * (k - 1); digit < end; ++digit) {
            *at++ = Char(read.integer[digit]);
            values[k - 1] = values[k - 1] * 10 + (read.integer[digit] - '0');
        }
        *at++ = k > 1 ? Char(',') : Char('.');
    }
    *at++ = Char(read.fraction[0]);
    *at++ = Char(read.fraction[1]);
    at = std::copy(lineBreak.begin(), lineBreak.end(), at);
    at = Put(at, wordingStart_);
    for (std::size_t k = groupCount; k > 0; --k) {
        if (values[k - 1] != 0) { // an all-zero group has neither words nor a scale word
            at = Put(at, table.groups[values[k - 1]]);
            if (k > 1) {
                at = Put(at, table.scales[k - 2]);
            }
        }
    }
    const int cents = (read.fraction[0] - '0') * 10 + (read.fraction[1] - '0');
    if (cents != 0) {
        at = Put(Put(Put(at, table.ampersand), table.groups[cents]), subunitEnd_);
    }
    return Put(at, table.only);
}

template <typename Char>
AmountProblem PreparedCurrency<Char>::AppendResult(std::basic_string<Char>& out,
                                                   std::basic_string_view<Char> amount,
                                                   std::basic_string_view<Char> lineBreak) const {
    // Written in place into room made for the longest Result text, then cut to size.
    const std::size_t start = out.size();
    out.resize(start + Room(lineBreak.size()));
    AmountProblem problem = AmountProblem::None;
    const Char* end = WriteResult(out.data() + start, amount, lineBreak, problem);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return problem;
}

template class PreparedCurrency<char>;
template class PreparedCurrency<char16_t>;

Conversion AmountToWords(std::u16string_view amount, const SelectedCurrency& currency) {
    std::u16string text;
    const AmountProblem problem = PreparedCurrency<char16_t>(currency, CaseStyle::Upper)
                                      .AppendResult(text, amount, kLineBreak);
    if (problem == AmountProblem::None) {
        return {std::move(text), true};
    }
    text.assign(kEchoLabel);
    AppendUpperCase(text, currency.code);
    AppendUpperCase(text, EchoOfRejected(CleanAmount(amount)));
    text.append(kLineBreak).append(kWordingLabel).append(MessageOf(problem));
    return {std::move(text), false};
}

} // namespace qev
