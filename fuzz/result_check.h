// The shape every Result text must have, checked against the amount it was made from.
#pragma once

#include "engine/amount_words.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qev::fuzz {

// Aborts unless `conversion` is a well-formed Result text for `amount` in `currency`: two lines,
// single spaces in the wording, words ending in "ONLY" exactly when converted, the error message
// that the amount calls for otherwise, and an echo holding the amount's digits.
void CheckResultText(std::u16string_view amount, const SelectedCurrency& currency,
                     const Conversion& conversion);

// The amount a converted Result text's echo shows ("输入： USD1,234.50"): its integer digits,
// fifteen with the zeros before them, then the currency's decimals ("00000000000123450").
std::u16string EchoedDigits(const Conversion& conversion, const SelectedCurrency& currency);

// An amount made of "0123456789,." from any bytes: each byte that is one of those characters
// is kept, any other mapped onto them, so seeds stay readable.
std::u16string AmountCharacters(const std::uint8_t* data, std::size_t size);

} // namespace qev::fuzz
