// Writes a money amount typed in digits out in the English words used on cheques and invoices:
// the two-line Result text ("输入： USD1,234.50" / "输出： SAY US DOLLARS ... ONLY").
#pragma once

#include "engine/case_styles.h"
#include "engine/padded_text.h"
#include "engine/result_text.h"
#include "engine/wording_form.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qev {

// The currency the amount is written in: English name, code and subunit name as stored ("US
// Dollars", "USD", "cents"), how many decimals its subunit takes (2 for hundredths, 3 for
// thousandths: 1,000 fils to the Kuwaiti dinar), and the names as they follow a count, after
// exactly one and after any other ("US Dollar", "US Dollars"; empty: as stored). The design's form
// writes the stored names whatever the number; the others make a name agree with its count.
struct SelectedCurrency {
    std::u16string name;
    std::u16string code;
    std::u16string subunit;
    std::size_t decimals = 2;
    std::u16string nameOne, nameMany, subunitOne, subunitMany;
};

// A Result text, and whether the amount was written out in words. When `converted` is false the
// second line carries an error message ("输出： 无法转换：...") instead of words.
struct Conversion {
    std::u16string text;
    bool converted = false;
};

// The limits an amount must keep to be written out: its currency's decimals, two or three, are
// the most fraction digits that may be other than zeros.
inline constexpr std::size_t kMaxIntegerDigits = 15;
inline constexpr std::size_t kMaxFractionDigits = 3;

// Why an amount cannot be written out.
enum class AmountProblem {
    None,
    TooManyPoints,
    IntegerTooLong,
    FractionTooLong,
    InvalidCharacter,
    MisplacedComma,
};

// The message that stands in place of the words, for the problem of an amount in a currency of
// `decimals` decimals.
std::u16string_view MessageOf(AmountProblem problem, std::size_t decimals);

// The Result text of an amount that cannot be written out, for the problem AppendResult or
// WriteResult gave, with `lineBreak` between its lines: the amount echoed as given, commas removed
// (unless they are what is wrong), spaces cut at both ends and control characters shown as U+FFFD,
// in upper case; then the message.
std::u16string RejectedResult(std::u16string_view amount, const SelectedCurrency& currency,
                              AmountProblem problem,
                              std::u16string_view lineBreak = kResultLineBreak);

// A currency's names and the wording's words in one letter style, made once, so that each Result
// text is only copied together: no case mapping, no conversion and no allocation per amount. In
// UTF-8 (char) for streams of amounts, in UTF-16 (char16_t) for the windows. `lineBreak` parts
// the Result text's two lines.
//
// For speed every piece is copied by a move of fixed size, which writes past the end of the piece
// (amount_words.cpp says how): Room() is the most all the moves of one Result text can reach.
template <typename Char>
class PreparedCurrency {
public:
    PreparedCurrency(const SelectedCurrency& currency, CaseStyle style,
                     std::basic_string_view<Char> lineBreak, const WordingForm& form = {});

    // Appends the Result text of the amount, as AmountToWords gives it in this style. When the
    // amount cannot be written out, appends nothing and says why (AmountToWords gives that Result
    // text).
    AmountProblem AppendResult(std::basic_string<Char>& out,
                               std::basic_string_view<Char> amount) const;

    // The same, written at `at`: the end of the Result text (`at` itself when the amount cannot be
    // written out), and in `wording`, when given, where its wording starts, after the second line's
    // label. The buffer must have Room() free characters from `at` on, however short the text,
    // since the moves write past its end; what stands after the returned end is scratch.
    // qev-words writes straight into its output block on this promise.
    Char* WriteResult(Char* at, std::basic_string_view<Char> amount, AmountProblem& problem,
                      Char** wording = nullptr) const {
        if (designed_) {
            return thousandths_ ? Write<3, true>(at, amount, problem, wording)
                                : Write<2, true>(at, amount, problem, wording);
        }
        return thousandths_ ? Write<3, false>(at, amount, problem, wording)
                            : Write<2, false>(at, amount, problem, wording);
    }
    std::size_t Room() const { return room_; }

private:
    // WriteResult for a number of decimals, and whether the form is the design's, known while the
    // program is built, so that amounts in hundredths pay nothing for the third decimal of those
    // in thousandths, nor the design's form for the others.
    template <std::size_t Decimals, bool Designed>
    Char* Write(Char* at, std::basic_string_view<Char> amount, AmountProblem& problem,
                Char** wording) const;

    struct Words;       // the wording's words in the style, shared by every currency
    struct Thousandths; // the subunit words of the currencies divided in thousandths
    // The rest of the Result text in a form other than the design's, from the integer words on;
    // no move reaches past `limit`.
    template <std::size_t Decimals>
    Char* WriteForm(Char* at, const std::array<int, 5>& values, const Char* fraction, int subunits,
                    const Char* limit) const;

    const Words& words_;
    const Thousandths* thousandths_; // none for a currency in hundredths
    PaddedText<Char> echoStart_;     // "输入： " and the code
    PaddedText<Char> wordingStart_;  // the line break, "输出： SAY ", the name and a space
    std::size_t wordingAt_;          // where the wording starts in it: after "输出： "
    PaddedText<Char> endings_[2];    // "ONLY"; the subunit name, a space and "ONLY"
    // The other forms' pieces. A name that follows its count: after any count, and after one.
    PaddedText<Char> namesAfter_[2];  // the currency's, when it follows the number, and a space
    PaddedText<Char> subunitEnds_[2]; // the subunit's, a space, and "ONLY" if always written
    PaddedText<Char> subunitFirst_;   // "AND", the subunit name as stored and a space
    PaddedText<Char> fractionEnd_;    // "/100 " or "/1000 "
    PaddedText<Char> only_;           // "ONLY", or nothing without it
    WordingForm form_;
    bool designed_; // the design's form
    std::size_t room_ = 0;
};

extern template class PreparedCurrency<char>;
extern template class PreparedCurrency<char16_t>;

// Words of one group of one to three decimal digits, lower case, each word part followed by one
// space ("three hundred and forty "; "thirty-four " and "one hundred one " in those forms); empty
// when every digit is zero. Two digits read as tens and units ("05" is five). Anything but a
// digit counts as zero.
std::u16string ThreeDigitsToWords(std::u16string_view group, const WordingForm& form = {});

// The Result text for an amount made of "0123456789,.": commas are ignored, spaces at both ends
// cut, at most 15 integer digits and the currency's decimals that matter (leading integer and
// trailing fraction zeros beyond them are dropped). An amount that cannot be written out exactly
// (a second decimal point, too many digits, any other character) gives an error Result text
// instead.
Conversion AmountToWords(std::u16string_view amount, const SelectedCurrency& currency,
                         const WordingForm& form = {});

// The amount's digits as they are written out: its last 15 integer digits, zeros before them to
// make up the fifteen, then the currency's decimals; nothing when it cannot be written out.
std::optional<std::u16string> AmountDigits(std::u16string_view amount, std::size_t decimals);

} // namespace qev
