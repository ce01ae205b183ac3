#include "engine/rmb_capital.h"

#include "engine/amount_words.h"

namespace qev {

namespace {

constexpr std::u16string_view kNumerals = u"零壹贰叁肆伍陆柒捌玖";
// The place word after each of the 17 digits; a space where the group word alone follows.
constexpr std::u16string_view kPlaceWords = u"佰拾 仟佰拾 仟佰拾 仟佰拾 角分";

// From the amount's digits: 15 integer digits, zeros before them to make up the fifteen, then
// the two decimals (角, 分).
std::u16string RmbCapital(std::u16string_view digits, const WordingForm& form) {
    // The places the rule lets the writer leave a zero unsaid: 千 after a zero 万, 角 after a
    // zero 元.
    const bool placeZeroOmitted = form[FormChoice::RmbPlaceZero] != 0;
    const auto leftUnsaid = [&](std::size_t i) {
        return placeZeroOmitted && (i == 11 || i == 15) && digits[i - 1] == u'0';
    };
    std::u16string text = u"人民币";
    bool started = false;        // a digit has been written
    bool zeroPending = false;    // zeros since the last digit written, one 零 before the next
    bool groupHasDigits = false; // a digit written since the last 万 or 亿
    for (std::size_t i = 0; i < 17; ++i) {
        const int digit = digits[i] - u'0';
        if (digit == 0) {
            zeroPending = started;
        } else {
            // One 零 marks every gap, across group words and the 元 alike.
            if (zeroPending && !leftUnsaid(i)) {
                text += kNumerals[0];
            }
            text += kNumerals[digit];
            if (kPlaceWords[i] != u' ') {
                text += kPlaceWords[i];
            }
            started = groupHasDigits = true;
            zeroPending = false;
        }
        // The top three digits count 万 of 亿: their 万 leaves the group open for its 亿.
        if (i == 2 || i == 6 || i == 10) {
            if (groupHasDigits) {
                text += i == 6 ? u'亿' : u'万';
            }
            groupHasDigits = groupHasDigits && i == 2;
        } else if (i == 14 && started) {
            text += u'元';
        }
    }
    if (!started) {
        return text + u"零元整";
    }
    const bool endsAtJiao = digits[15] != u'0';
    if (digits[16] == u'0' && !(endsAtJiao && form[FormChoice::RmbZhengAfterJiao] != 0)) {
        text += u'整';
    }
    return text;
}

} // namespace

std::optional<std::u16string> RmbCapitalOf(std::u16string_view amount, const WordingForm& form) {
    const std::optional<std::u16string> digits = AmountDigits(amount, 2);
    return digits ? std::optional(RmbCapital(*digits, form)) : std::nullopt;
}

} // namespace qev
