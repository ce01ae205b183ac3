// The Chinese capital amount of an RMB amount, in the characters bills and settlement vouchers
// take, so no figure can be altered into another.
#pragma once

#include "engine/wording_form.h"

#include <optional>
#include <string>
#include <string_view>

namespace qev {

// The Chinese capital amount of an RMB amount as it is typed ("1,409.5" gives
// "人民币壹仟肆佰零玖元伍角整"); nothing for one that cannot be written out, by the same rules as
// its English wording. The form's two choices of the Chinese capital say whether the 零 of a zero
// at the 万 or 元 place before a non-zero 千 or 角 is written, and whether 整 follows 角, as the
// People's Bank leaves both to the writer.
std::optional<std::u16string> RmbCapitalOf(std::u16string_view amount,
                                           const WordingForm& form = {});

} // namespace qev
