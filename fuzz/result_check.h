// The shape every Result text must have, checked against the amount it was made from.
#pragma once

#include "engine/amount_words.h"

#include <string_view>

namespace qev::fuzz {

// Aborts unless `conversion` is a well-formed Result text for `amount` in `currency`: two lines,
// single spaces in the wording, words ending in "ONLY" exactly when converted, the error message
// that the amount calls for otherwise, and an echo holding the amount's digits.
void CheckResultText(std::u16string_view amount, const SelectedCurrency& currency,
                     const Conversion& conversion);

} // namespace qev::fuzz
