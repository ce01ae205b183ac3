// The fixed catalogue of currencies offered in the currency list, and the fields cut from a record
// when one is chosen: the 134 of the window's design, then the currencies in use today.
#pragma once

#include "engine/amount_words.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qev {

// Records 0 to 133 are the design's, exactly as it gives them; the currencies in use today follow.
inline constexpr std::size_t kDesignCurrencyCount = 134;

// Record i is list entry i: four fields, each followed by "|":
// Chinese name, English name, code, subunit name ("美国美元|US Dollars|USD|cents|").
std::span<const std::u16string_view> CurrencyRecords();

// A record's four fields, as cut from it, the number of decimals of its currency, and its names as
// they follow a count: after exactly one, and after any other.
struct CurrencyFields {
    std::u16string_view chinese, name, code, subunit;
    std::size_t decimals = 2;
    std::u16string_view nameOne, nameMany, subunitOne, subunitMany;
};

// The fields of record i, cut once when the program is built.
const CurrencyFields& CurrencyFieldsAt(std::size_t index);

// The currency of record i: English name, code, subunit name and decimals.
SelectedCurrency CurrencyAt(std::size_t index);

// The text of list entry `index`: the Chinese and English names with one space between
// ("美国美元 US Dollars"); after the design's 134, the code in brackets too ("俄罗斯卢布 Russian
// Rubles (RUB)"), so that no entry is taken for an old one of the same name. Empty past the list.
std::u16string ListEntryText(std::size_t index);

// The first list index whose code matches, in any letter case.
std::optional<std::size_t> FindCurrencyCode(std::u16string_view code);

// The list entry that a text typed into the list's field names: by its code, in any letter case
// and in half or full width ("RMB" too, for the yuan), by the start of its entry text or of its
// English name, or by a part of its Chinese name; the first such entry.
std::optional<std::size_t> FindListEntry(std::u16string_view typed);

} // namespace qev
