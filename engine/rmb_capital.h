// The Chinese capital amount of an RMB amount, in the characters bills and settlement vouchers
// take, so no figure can be altered into another.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qev {

// The Chinese capital amount of an RMB amount ("人民币壹仟肆佰零玖元伍角整"), from its digits:
// 15 integer digits, zeros before them to make up the fifteen, then the two decimals (角, 分).
std::u16string RmbCapital(std::u16string_view digits); // digits: exactly 17 ASCII digits

// The same for an amount as it is typed ("1,409.5"); nothing for one that cannot be written out,
// by the same rules as its English wording.
std::optional<std::u16string> RmbCapitalOf(std::u16string_view amount);

} // namespace qev
