// AmountToWords on amounts made only of "0123456789,.", where the real arithmetic happens: the
// first byte picks the currency; every other byte is kept when it is one of those characters
// and mapped onto them when not, so seeds stay readable.
#include "currency/currency_table.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/result_check.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    constexpr std::u16string_view kAlphabet = u"0123456789,.";
    const qev::SelectedCurrency currency = qev::CurrencyAt(data[0] % qev::CurrencyRecords().size());
    std::u16string amount;
    amount.reserve(size - 1);
    for (std::size_t i = 1; i < size; ++i) {
        const char16_t c = data[i];
        amount.push_back(kAlphabet.find(c) != std::u16string_view::npos
                             ? c
                             : kAlphabet[data[i] % kAlphabet.size()]);
    }
    qev::fuzz::CheckResultText(amount, currency, qev::AmountToWords(amount, currency));
    return 0;
}
