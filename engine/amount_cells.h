// A row of a spreadsheet's copied cells read into the one amount it holds, as a formatted cell
// shows it ("$1,234.50", "USD 2,000", "１２３", a second cell with the currency's code): the rule
// the batch window and qev-words --cells share. Nothing is guessed: a row that is not plainly one
// amount is refused with its reason.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qev {

struct CellsRow {
    enum class Kind { Blank, Amount, Refused };
    Kind kind = Kind::Blank;
    // The amount's characters as the wording reads them: digits, "," and ".", half width. The
    // amount's own rules (its commas, its decimals) are the wording's to apply.
    std::u16string amount;
    // The currency code the row names, in capitals, in a cell of its own or beside the amount;
    // empty for the currency in use.
    std::u16string code;
    std::u16string_view message; // why a refused row cannot be written out
};

// The messages of refused rows.
inline constexpr std::u16string_view kRowInvalidCharacter = u"无法转换：含有无效字符";
inline constexpr std::u16string_view kRowSigned = u"无法转换：带有正负号或括号";
inline constexpr std::u16string_view kRowTwoAmounts = u"无法转换：一行中有两个金额";
inline constexpr std::u16string_view kRowTwoCurrencies = u"无法转换：一行中有两种货币";
inline constexpr std::u16string_view kRowUnknownCode = u"无法转换：没有这种货币代码";
inline constexpr std::u16string_view kRowNoAmount = u"无法转换：没有金额";

// Reads a row: its cells are parted by tabs; the amount is the one cell that holds digits; a cell
// that is only a currency code (in any letter case, half or full width) names the row's currency.
// Around the amount, what a formatted cell shows is dropped: spaces (also no-break and
// ideographic ones), one currency symbol ($ ¥ ￥ € £ ＄ ￡) and the code, before or after it.
// Full-width digits and "。．，" count as "0".."9", "." and ",". `isCode` says whether three
// letters are a currency code of the list.
CellsRow ReadCells(std::u16string_view row, const std::function<bool(std::u16string_view)>& isCode);

} // namespace qev
