// What either main window's result box holds for an amount in US dollars, the currency it starts
// with: the engine's Result text, or nothing for an empty amount box.
#pragma once

#include "currency/currency_table.h"

inline std::u16string DollarsResult(std::u16string_view amount) {
    return amount.empty() ? u"" : qev::AmountToWords(amount, qev::CurrencyAt(0)).text;
}
