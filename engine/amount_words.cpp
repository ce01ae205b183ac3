#include "engine/amount_words.h"

#include "engine/amount_input.h"
#include "engine/text_services.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>

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

// Each piece of a Result text is copied by a move of fixed size, not of its own length: the
// currency's texts with their room (PaddedText; one longer than the room by its length), the
// echo's digits from a full-width echo, and each word from a slot of fixed width. Each move writes
// past the end of its piece on purpose, the next piece goes over it, and the last leaves
// characters past the end of the Result text that are no part of it. Room() is the most all the
// moves of one Result text can reach: debug and sanitizer builds stop at a move that would reach
// further, while a Release build pays nothing for the check.
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
#define QEV_CHECK_ROOM 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QEV_CHECK_ROOM 1
#endif
#endif

// Moves `count` characters to `at`, where the Result text's room ends at `limit`.
template <typename Char>
void Move(Char* at, const Char* from, std::size_t count, [[maybe_unused]] const Char* limit) {
#ifdef QEV_CHECK_ROOM
    if (count > static_cast<std::size_t>(limit - at)) {
        std::fputs("qev: a Result text passed the room Room() gave it\n", stderr);
        std::abort();
    }
#endif
    std::memcpy(at, from, count * sizeof(Char));
}

// Words kept in a slot of N characters, copied by one move of the whole slot; what the move
// writes past their end is written over by what follows.
template <typename Char, std::size_t N>
struct Slot {
    std::array<Char, N> text{};
    std::uint8_t size = 0;
};

template <typename Char, std::size_t N>
void Fill(Slot<Char, N>& slot, const std::basic_string<Char>& words) {
    if (words.size() > N) {
        throw std::length_error("words longer than their slot");
    }
    std::copy(words.begin(), words.end(), slot.text.begin());
    slot.size = static_cast<std::uint8_t>(words.size());
}

template <typename Char, std::size_t N>
Char* Put(Char* at, const Slot<Char, N>& slot, const Char* limit) {
    Move(at, slot.text.data(), N, limit);
    return at + slot.size;
}

// The room after a currency's texts: those of every currency in the list fit in it, and a longer
// one is copied as it is.
constexpr std::size_t kTextRoom = 64;

template <typename Char>
Char* Put(Char* at, const PaddedText<Char>& text, const Char* limit) {
    if (text.size <= kTextRoom) {
        Move(at, text.padded.data(), kTextRoom, limit);
    } else {
        Move(at, text.padded.data(), text.size, limit);
    }
    return at + text.size;
}

template <typename Char>
std::size_t Width(const PaddedText<Char>& text) {
    return std::max(text.size, kTextRoom);
}

// An amount read in a currency of two or three decimals: its integer digits after fifteen zeros,
// so that its last fifteen digits are at hand with zeros before them whatever their number, and
// its fraction digits; or why it cannot be written out.
template <typename Char, std::size_t Decimals>
struct ReadAmount {
    ReadAmount() {
        integer.fill(Char('0'));
        fraction.fill(Char('0'));
    }
    // The last fifteen integer digits, and one more character that may be read but not used.
    const Char* LastDigits() const { return integer.data() + integerSize; }
    std::array<Char, 2 * kMaxIntegerDigits + 2> integer;
    std::size_t integerSize = 0; // how many follow the zeros: 1 to 15
    std::array<Char, Decimals> fraction;
    AmountProblem problem = AmountProblem::None;
};

// Where an amount starts and ends: spaces cut at both ends.
template <typename Char>
std::pair<std::size_t, std::size_t> Trimmed(std::basic_string_view<Char> amount) {
    const auto blank = [](Char c) { return c == Char(' '); };
    std::size_t first = 0;
    std::size_t last = amount.size();
    while (first < last && blank(amount[first])) {
        ++first;
    }
    while (last > first && blank(amount[last - 1])) {
        --last;
    }
    return {first, last};
}

// Reads an amount in a currency of `Decimals` decimals.
template <std::size_t Decimals, typename Char>
[[gnu::always_inline]] inline ReadAmount<Char, Decimals> Read(std::basic_string_view<Char> amount) {
    ReadAmount<Char, Decimals> read;
    const auto [first, last] = Trimmed(amount);

    // Most amounts are plain digits, perhaps a point and no more decimals than the currency's.
    const auto digit = [](Char c) { return IsDigit(static_cast<std::make_unsigned_t<Char>>(c)); };
    const std::size_t integerEnd = std::min(last, first + kMaxIntegerDigits);
    std::size_t i = first;
    for (; i < integerEnd && digit(amount[i]); ++i) {
        read.integer[kMaxIntegerDigits + i - first] = amount[i];
    }
    read.integerSize = i - first;
    if (read.integerSize > 0 &&
        (i == last || (amount[i] == Char('.') && last - i <= Decimals + 1))) {
        std::size_t fractionDigits = 0;
        for (++i; i < last && digit(amount[i]); ++i) {
            read.fraction[fractionDigits++] = amount[i];
        }
        if (i >= last) {
            return read;
        }
    }
    read = ReadAmount<Char, Decimals>();

    // One pass: the last integer digits kept in a ring, the first fraction digits, and where the
    // digits that must be zeros (beyond 15 integer digits and the currency's decimals) are not.
    // Commas stand only between the integer part's groups: of three ("1,234,567"), or as Indian
    // numbers group them, three last and two before ("12,34,567"); one anywhere else says the
    // amount is not what it seems ("1.000,00" is no one dollar), and it is not written out.
    std::array<Char, 16> ring{};
    std::size_t integerDigits = 0;
    std::size_t firstNonZero = std::string_view::npos;
    std::size_t points = 0;
    std::size_t fractionDigits = 0;
    bool fractionTooLong = false;
    std::size_t commas = 0, group = 0, firstGroup = 0, lastGroup = 0;
    bool threes = true, twos = true, commaAstray = false;
    for (i = first; i < last; ++i) {
        const Char c = amount[i];
        if (digit(c)) {
            if (points == 0) {
                if (c != Char('0') && firstNonZero == std::string_view::npos) {
                    firstNonZero = integerDigits;
                }
                ring[integerDigits++ % ring.size()] = c;
                ++group;
            } else if (fractionDigits < Decimals) {
                read.fraction[fractionDigits++] = c;
            } else {
                fractionTooLong = fractionTooLong || c != Char('0');
            }
        } else if (c == Char('.')) {
            lastGroup = points == 0 ? group : lastGroup;
            ++points;
        } else if (c == Char(',')) {
            commaAstray = commaAstray || points > 0 || group == 0;
            if (commas == 0) {
                firstGroup = group;
            } else { // the groups between commas: all of three, or all of two
                threes = threes && group == 3;
                twos = twos && group == 2;
            }
            ++commas;
            group = 0;
        } else {
            read.problem = AmountProblem::InvalidCharacter;
            return read;
        }
    }
    lastGroup = points == 0 ? group : lastGroup;
    const bool grouped =
        lastGroup == 3 && ((threes && firstGroup <= 3) || (twos && firstGroup <= 2));
    if (points > 1) {
        read.problem = AmountProblem::TooManyPoints;
    } else if (commas > 0 && (commaAstray || !grouped)) {
        read.problem = AmountProblem::MisplacedComma;
    } else if (integerDigits > kMaxIntegerDigits &&
               firstNonZero < integerDigits - kMaxIntegerDigits) {
        read.problem = AmountProblem::IntegerTooLong;
    } else if (fractionTooLong) {
        read.problem = AmountProblem::FractionTooLong;
    }
    for (i = integerDigits - std::min(integerDigits, kMaxIntegerDigits); i < integerDigits; ++i) {
        read.integer[kMaxIntegerDigits + read.integerSize++] = ring[i % ring.size()];
    }
    if (read.integerSize == 0) {
        read.integerSize = 1; // a zero: ".5" is written as 0.50, never as a bare "50"
    }
    return read;
}

// The commas removed unless they are what is wrong, then spaces cut at both ends.
std::u16string CleanAmount(std::u16string_view amount, bool keepCommas) {
    std::u16string cleaned;
    std::copy_if(amount.begin(), amount.end(), std::back_inserter(cleaned),
                 [keepCommas](char16_t c) { return keepCommas || c != u','; });
    const auto [first, last] = Trimmed(std::u16string_view(cleaned));
    return cleaned.substr(first, last - first);
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

} // namespace

std::u16string_view MessageOf(AmountProblem problem, std::size_t decimals) {
    switch (problem) {
    case AmountProblem::TooManyPoints:
        return kTooManyPointsMessage;
    case AmountProblem::IntegerTooLong:
        return kIntegerTooLongMessage;
    case AmountProblem::FractionTooLong:
        return decimals == 3 ? kThousandthsTooLongMessage : kFractionTooLongMessage;
    case AmountProblem::MisplacedComma:
        return kMisplacedCommaMessage;
    default:
        return kInvalidCharacterMessage;
    }
}

std::u16string RejectedResult(std::u16string_view amount, const SelectedCurrency& currency,
                              AmountProblem problem, std::u16string_view lineBreak) {
    using Frame = ResultFrame<char16_t>;
    std::u16string text(Frame::kEchoLabel);
    AppendUpperCase(text, currency.code);
    AppendUpperCase(text,
                    EchoOfRejected(CleanAmount(amount, problem == AmountProblem::MisplacedComma)));
    text.append(lineBreak)
        .append(Frame::kWordingLabel)
        .append(MessageOf(problem, currency.decimals));
    return text;
}

std::u16string ThreeDigitsToWords(std::u16string_view group, const WordingForm& form) {
    // Hundreds, tens and units: a group of fewer than three digits has zeros before them.
    const std::size_t size = std::min<std::size_t>(group.size(), 3);
    int digits[3] = {};
    for (std::size_t i = 0; i < size; ++i) {
        digits[3 - size + i] = IsDigit(group[i]) ? group[i] - u'0' : 0;
    }
    const auto [hundreds, tens, units] = digits;
    std::u16string words;
    const auto append = [&words](std::string_view word) { words.append(word.begin(), word.end()); };
    if (hundreds != 0) {
        append(kUnitWords[hundreds]);
        append(tens + units != 0 && form[FormChoice::Hundreds] == 0 ? " hundred and "
                                                                    : " hundred ");
    }
    if (tens == 1) {
        append(kTeenWords[units]);
        append(" ");
        return words;
    }
    if (tens != 0) {
        append(kTensWords[tens]);
        append(units != 0 && form[FormChoice::Tens] != 0 ? "-" : " ");
    }
    if (units != 0) {
        append(kUnitWords[units]);
        append(" ");
    }
    return words;
}

template <typename Char>
PaddedText<Char>::PaddedText(std::basic_string<Char> text)
    : padded(std::move(text)), size(padded.size()) {
    padded.resize(Width(*this));
}

// Fifteen integer digits in five groups of three, the point and up to three decimals:
// "000,000,012,345,678.900".
constexpr std::size_t kGroups = kMaxIntegerDigits / 3;
constexpr std::size_t kFullEcho = 4 * kGroups + kMaxFractionDigits;

// The words of a group value 0 to 999 in a form, lower case, each followed by a space: "forty two
// ", or "forty-two ".
std::string GroupWords(int value, const WordingForm& form) {
    const char16_t digits[] = {static_cast<char16_t>(u'0' + value / 100),
                               static_cast<char16_t>(u'0' + value / 10 % 10),
                               static_cast<char16_t>(u'0' + value % 10)};
    const std::u16string words = ThreeDigitsToWords({digits, 3}, form);
    return {words.begin(), words.end()}; // plain ASCII
}

// One T for each letter style and each form of the group words (hyphens, "hundred and"), made at
// its first use.
template <typename T>
const T& MadeFor(CaseStyle style, const WordingForm& form) {
    static std::mutex lock;
    static std::array<std::unique_ptr<const T>, 12> made;
    const std::size_t index = static_cast<std::size_t>(style) * 4 + form[FormChoice::Tens] * 2 +
                              form[FormChoice::Hundreds];
    const std::lock_guard<std::mutex> guard(lock);
    if (!made.at(index)) {
        made[index] = std::make_unique<const T>(style, form);
    }
    return *made[index];
}

// The wording's words in one letter style and form, each in a slot: the words of every group value
// 0 to 999, the scale word of each of the five groups of three digits from the left (none for the
// last), those of Indian numbering, "& " and "and " with the words of every number of hundredths
// 1 to 99, and the frame's other words.
template <typename Char>
struct PreparedCurrency<Char>::Words {
    Words(CaseStyle style, const WordingForm& form);

    std::array<Slot<Char, 32>, 1000> groups; // the longest: "seven hundred and seventy seven "
    std::array<Slot<Char, 16>, kGroups> scales;
    std::array<Slot<Char, 16>, 3> indianScales;    // "thousand ", "lakh ", "crore "
    std::array<Slot<Char, 16>, 100> hundredths;    // "& seventy seven "
    std::array<Slot<Char, 24>, 100> andHundredths; // "and seventy seven "
    Slot<Char, 8> zero, andWord;
    Slot<Char, 16> andPoint; // "and point "
    std::basic_string<Char> openings[3], only;
};

template <typename Char>
PreparedCurrency<Char>::Words::Words(CaseStyle style, const WordingForm& form)
    : openings{Encoded<Char>(StyledWords("say ", style)),
               Encoded<Char>(StyledWords("say total ", style)),
               {}},
      only(Encoded<Char>(StyledWords("only", style))) {
    const auto styled = [style](std::string_view words) {
        return Encoded<Char>(StyledWords(words, style));
    };
    for (int v = 0; v < 1000; ++v) {
        const std::string words = GroupWords(v, form);
        Fill(groups[v], styled(words));
        if (v > 0 && v < 100) {
            Fill(hundredths[v], styled("& " + words));
            Fill(andHundredths[v], styled("and " + words));
        }
    }
    for (std::size_t k = 0; k < kScaleWords.size(); ++k) {
        Fill(scales[k], styled(kScaleWords[kScaleWords.size() - 1 - k]));
    }
    // Indian English writes lakh and crore alike for one and for many.
    Fill(indianScales[0], styled("thousand "));
    Fill(indianScales[1], styled("lakh "));
    Fill(indianScales[2], styled("crore "));
    Fill(zero, styled("zero "));
    Fill(andWord, styled("and "));
    Fill(andPoint, styled("and point "));
}

// "& " and "and " with the words of every number of thousandths 1 to 999 in one letter style and
// form: made only for a currency divided in thousandths, and kept apart from the words every
// amount takes, so that amounts in hundredths, nearly all, keep to fewer cache lines.
template <typename Char>
struct PreparedCurrency<Char>::Thousandths {
    Thousandths(CaseStyle style, const WordingForm& form) {
        for (int v = 1; v < 1000; ++v) {
            Fill(slots[0][v], Encoded<Char>(StyledWords("& " + GroupWords(v, form), style)));
            Fill(slots[1][v], Encoded<Char>(StyledWords("and " + GroupWords(v, form), style)));
        }
    }
    std::array<std::array<Slot<Char, 40>, 1000>, 2> slots; // "and seven hundred and seventy seven "
};

// A name as it follows a count, or as stored when the catalogue gives no such form.
const std::u16string& NameOr(const std::u16string& form, const std::u16string& stored) {
    return form.empty() ? stored : form;
}

template <typename Char>
PreparedCurrency<Char>::PreparedCurrency(const SelectedCurrency& currency, CaseStyle style,
                                         std::basic_string_view<Char> lineBreak,
                                         const WordingForm& form)
    : words_(MadeFor<Words>(style, form)),
      thousandths_(currency.decimals == 3 ? &MadeFor<Thousandths>(style, form) : nullptr),
      wordingAt_(lineBreak.size() + ResultFrame<Char>::kWordingLabel.size()), form_(form),
      designed_(form.EnglishAsDesigned()) {
    // A name, or other words, in the style as they follow a space, then a space.
    const auto part = [style](std::u16string_view text) {
        return Encoded<Char>(ApplyCaseStyleToPart(text, style)) + Char(' ');
    };
    const bool after = form[FormChoice::Currency] != 0;
    echoStart_ = PaddedText<Char>(std::basic_string<Char>(ResultFrame<Char>::kEchoLabel) +
                                  Encoded<Char>(ApplyCaseStyleToPart(currency.code, style)));
    wordingStart_ = PaddedText<Char>(std::basic_string<Char>(lineBreak) +
                                     std::basic_string<Char>(ResultFrame<Char>::kWordingLabel) +
                                     words_.openings[form[FormChoice::Opening]] +
                                     (after ? std::basic_string<Char>() : part(currency.name)));
    // Only the pieces the form takes: a currency is prepared for each conversion in the windows.
    const std::size_t subunitForm = form[FormChoice::Subunit];
    if (designed_) {
        endings_[0] = PaddedText<Char>(words_.only);
        endings_[1] = PaddedText<Char>(part(currency.subunit) + words_.only);
    } else if (subunitForm <= 1) {
        const std::basic_string<Char> alwaysOnly =
            form[FormChoice::Closing] == 0 ? words_.only : std::basic_string<Char>();
        subunitEnds_[0] =
            PaddedText<Char>(part(NameOr(currency.subunitMany, currency.subunit)) + alwaysOnly);
        subunitEnds_[1] =
            PaddedText<Char>(part(NameOr(currency.subunitOne, currency.subunit)) + alwaysOnly);
    } else if (subunitForm == 2) {
        subunitFirst_ = PaddedText<Char>(part(u"and") + part(currency.subunit));
    } else if (subunitForm == 3) {
        fractionEnd_ = PaddedText<Char>(Encoded<Char>(
            currency.decimals == 3 ? std::string_view("/1000 ") : std::string_view("/100 ")));
    }
    if (after) {
        namesAfter_[0] = PaddedText<Char>(part(NameOr(currency.nameMany, currency.name)));
        namesAfter_[1] = PaddedText<Char>(part(NameOr(currency.nameOne, currency.name)));
    }
    only_ =
        PaddedText<Char>(form[FormChoice::Closing] == 1 ? std::basic_string<Char>() : words_.only);

    // No move goes on further than it writes, so the widths of every piece a Result text might
    // take, added up, are room for any: more than any one takes.
    const std::size_t group = sizeof words_.groups[0].text, scale = sizeof words_.scales[0].text;
    room_ = Width(echoStart_) + kFullEcho + Width(wordingStart_) +
            (6 * (group + scale) + 4 * group + sizeof words_.zero.text +
             sizeof Thousandths::slots[0][0].text + sizeof words_.andWord.text +
             sizeof words_.andPoint.text) /
                sizeof(Char) +
            Width(namesAfter_[0]) + Width(namesAfter_[1]) + Width(subunitEnds_[0]) +
            Width(subunitEnds_[1]) + Width(subunitFirst_) + kMaxFractionDigits +
            Width(fractionEnd_) + std::max(Width(endings_[1]), Width(only_));
}

template <typename Char>
template <std::size_t Decimals, bool Designed>
Char* PreparedCurrency<Char>::Write(Char* at, std::basic_string_view<Char> amount,
                                    AmountProblem& problem, Char** wording) const {
    const auto read = Read<Decimals>(amount);
    problem = read.problem;
    if (problem != AmountProblem::None) {
        return at;
    }
    // Where the text's room ends, for the checks of its moves; a constant where nothing is checked,
    // so that a Release build neither works it out nor keeps it.
#ifdef QEV_CHECK_ROOM
    const Char* const limit = at + room_;
#else
    constexpr const Char* limit = nullptr;
#endif
    // The echo is the end of the full one that holds the amount's own digits.
    std::array<Char, 2 * kFullEcho> echo{};
    std::array<int, kGroups> values;
    const Char* digits = read.LastDigits();
    for (std::size_t g = 0; g < kGroups; ++g, digits += 3) {
        std::memcpy(&echo[4 * g], digits, 4 * sizeof(Char)); // three digits and one written over
        echo[4 * g + 3] = Char(',');
        values[g] = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
    }
    echo[4 * kGroups - 1] = Char('.');
    std::copy(read.fraction.begin(), read.fraction.end(), &echo[4 * kGroups]);
    const std::size_t shown = read.integerSize + (read.integerSize - 1) / 3 + 1 + Decimals;
    at = Put(at, echoStart_, limit);
    Move(at, echo.data() + 4 * kGroups + Decimals - shown, kFullEcho, limit);
    at += shown;
    if (wording != nullptr) {
        *wording = at + wordingAt_;
    }
    at = Put(at, wordingStart_, limit);

    int subunits = (read.fraction[0] - '0') * 10 + (read.fraction[1] - '0');
    if constexpr (Decimals == 3) {
        subunits = subunits * 10 + (read.fraction[2] - '0');
    }
    if constexpr (!Designed) {
        return WriteForm<Decimals>(at, values, read.fraction.data(), subunits, limit);
    }
    const Words& words = words_;
    for (std::size_t g = 0; g < kGroups; ++g) {
        if (values[g] != 0) { // an all-zero group has neither words nor a scale word
            at = Put(Put(at, words.groups[values[g]], limit), words.scales[g], limit);
        }
    }
    // "& FIFTY CENTS ONLY", the subunit as stored whatever the number
    if constexpr (Decimals == 2) {
        return Put(Put(at, words.hundredths[subunits], limit), endings_[subunits != 0], limit);
    } else {
        return Put(Put(at, thousandths_->slots[0][subunits], limit), endings_[subunits != 0],
                   limit);
    }
}

template <typename Char>
template <std::size_t Decimals>
[[gnu::always_inline]] inline Char*
PreparedCurrency<Char>::WriteForm(Char* at, const std::array<int, kGroups>& values,
                                  const Char* fraction, int subunits, const Char* limit) const {
    const Words& words = words_;
    const Char* integer = at;
    if (form_[FormChoice::Numbering] == 0) {
        for (std::size_t g = 0; g < kGroups; ++g) {
            if (values[g] != 0) {
                at = Put(Put(at, words.groups[values[g]], limit), words.scales[g], limit);
            }
        }
    } else {
        // Indian numbering: hundreds, thousands, lakhs (a hundred thousand) and crores (ten
        // million); the number of crores, up to eight digits, is itself counted in lakhs and
        // thousands.
        std::int64_t number = 0;
        for (const int value : values) {
            number = number * 1000 + value;
        }
        const auto count = [&](std::int64_t n) {
            const int lakhs = int(n / 100000), thousands = int(n / 1000 % 100),
                      rest = int(n % 1000);
            if (lakhs != 0) {
                at = Put(Put(at, words.groups[lakhs], limit), words.indianScales[1], limit);
            }
            if (thousands != 0) {
                at = Put(Put(at, words.groups[thousands], limit), words.indianScales[0], limit);
            }
            if (rest != 0) {
                at = Put(at, words.groups[rest], limit);
            }
        };
        if (const std::int64_t crores = number / 10000000; crores != 0) {
            count(crores);
            at = Put(at, words.indianScales[2], limit);
        }
        count(number % 10000000);
    }
    const std::size_t subunitForm = form_[FormChoice::Subunit];
    const bool after = namesAfter_[0].size != 0;
    // "& FIFTY CENTS" alone before the name, as designed; "ZERO" in every other form.
    if (at == integer && (subunitForm != 0 || after)) {
        at = Put(at, words.zero, limit);
    }
    const bool one = values == std::array<int, kGroups>{0, 0, 0, 0, 1};
    // The cheque's fraction, and the digits after POINT, belong to the number: the currency
    // follows them ("ONE AND 21/100 US DOLLARS").
    const bool nameLast = subunitForm >= 3;
    if (after && !nameLast) {
        at = Put(at, namesAfter_[one], limit);
    }
    if (subunitForm < 2 && subunits != 0) { // "& FIFTY CENTS", "AND FIFTY CENTS"
        if constexpr (Decimals == 2) {
            at = subunitForm == 0 ? Put(at, words.hundredths[subunits], limit)
                                  : Put(at, words.andHundredths[subunits], limit);
        } else {
            at = Put(at, thousandths_->slots[subunitForm][subunits], limit);
        }
        // The subunit's name ends the text, with "ONLY" when the form always has it.
        at = Put(at, subunitEnds_[subunits == 1], limit);
        return at[-1] == Char(' ') ? at - 1 : at;
    } else if (subunitForm == 2 && subunits != 0) { // "AND CENTS FIFTY"
        at = Put(Put(at, subunitFirst_, limit), words.groups[subunits], limit);
    } else if (subunitForm == 3) { // "AND 50/100", always
        at = Put(at, words.andWord, limit);
        Move(at, fraction, Decimals, limit);
        at = Put(at + Decimals, fractionEnd_, limit);
    } else if (subunitForm == 4 && subunits != 0) { // "AND POINT FIVE ZERO", digit by digit
        at = Put(at, words.andPoint, limit);
        for (std::size_t i = 0; i < Decimals; ++i) {
            at = fraction[i] == Char('0') ? Put(at, words.zero, limit)
                                          : Put(at, words.groups[fraction[i] - '0'], limit);
        }
    }
    if (after && nameLast) {
        at = Put(at, namesAfter_[one && subunitForm == 4 && subunits == 0], limit);
    }
    if (form_[FormChoice::Closing] != 2 || subunits == 0) { // "ONLY" after whole amounts alone
        at = Put(at, only_, limit);
    }
    // Without "ONLY", nothing follows the last word.
    return at[-1] == Char(' ') ? at - 1 : at;
}

template <typename Char>
AmountProblem PreparedCurrency<Char>::AppendResult(std::basic_string<Char>& out,
                                                   std::basic_string_view<Char> amount) const {
    // Written in place into room made for the longest Result text, then cut to size.
    const std::size_t start = out.size();
    out.resize(start + Room());
    AmountProblem problem = AmountProblem::None;
    const Char* end = WriteResult(out.data() + start, amount, problem);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return problem;
}

template char* PreparedCurrency<char>::Write<2, true>(char*, std::string_view, AmountProblem&,
                                                      char**) const;
template char* PreparedCurrency<char>::Write<3, true>(char*, std::string_view, AmountProblem&,
                                                      char**) const;
template char* PreparedCurrency<char>::Write<2, false>(char*, std::string_view, AmountProblem&,
                                                       char**) const;
template char* PreparedCurrency<char>::Write<3, false>(char*, std::string_view, AmountProblem&,
                                                       char**) const;
template char16_t* PreparedCurrency<char16_t>::Write<2, true>(char16_t*, std::u16string_view,
                                                              AmountProblem&, char16_t**) const;
template char16_t* PreparedCurrency<char16_t>::Write<3, true>(char16_t*, std::u16string_view,
                                                              AmountProblem&, char16_t**) const;
template char16_t* PreparedCurrency<char16_t>::Write<2, false>(char16_t*, std::u16string_view,
                                                               AmountProblem&, char16_t**) const;
template char16_t* PreparedCurrency<char16_t>::Write<3, false>(char16_t*, std::u16string_view,
                                                               AmountProblem&, char16_t**) const;
template struct PaddedText<char>;
template struct PaddedText<char16_t>;
template class PreparedCurrency<char>;
template class PreparedCurrency<char16_t>;

std::optional<std::u16string> AmountDigits(std::u16string_view amount, std::size_t decimals) {
    const auto digits = [](const auto& read) -> std::optional<std::u16string> {
        if (read.problem != AmountProblem::None) {
            return std::nullopt;
        }
        return std::u16string(read.LastDigits(), kMaxIntegerDigits) +
               std::u16string(read.fraction.begin(), read.fraction.end());
    };
    return decimals == 3 ? digits(Read<3>(amount)) : digits(Read<2>(amount));
}

Conversion AmountToWords(std::u16string_view amount, const SelectedCurrency& currency,
                         const WordingForm& form) {
    std::u16string text;
    const AmountProblem problem =
        PreparedCurrency<char16_t>(currency, CaseStyle::Upper, kResultLineBreak, form)
            .AppendResult(text, amount);
    if (problem == AmountProblem::None) {
        return {std::move(text), true};
    }
    return {RejectedResult(amount, currency, problem), false};
}

} // namespace qev
