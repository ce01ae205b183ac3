// The fixed catalogue of 134 currencies offered in the currency list, and the fields cut from a
// record when one is chosen.
#pragma once

#include "engine/amount_words.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qev {

inline constexpr std::size_t kCurrencyCount = 134;

// Record i is list entry i: four fields, each followed by "|":
// Chinese name, English name, code, subunit name ("美国美元|US Dollars|USD|cents|").
const std::array<std::u16string_view, kCurrencyCount>& CurrencyRecords();

// The text a record shows in the list: the Chinese and English names with one space between
// ("美国美元 US Dollars"). Empty for a record without its first two bars.
std::u16string ListEntryText(std::u16string_view record);

// English name, code and subunit name of a record; nothing for a record that lacks a bar.
std::optional<SelectedCurrency> ReadCurrencyRecord(std::u16string_view record);

// The first list index whose code matches, in any letter case.
std::optional<std::size_t> FindCurrencyCode(std::u16string_view code);

} // namespace qev
