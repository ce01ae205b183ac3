// AmountToWords on amounts made only of "0123456789,.", where the real arithmetic happens: the
// first byte picks the currency, the rest are the amount.
#include "currency/currency_table.h"
#include "fuzz/result_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const qev::SelectedCurrency currency = qev::CurrencyAt(data[0] % qev::CurrencyRecords().size());
    const std::u16string amount = qev::fuzz::AmountCharacters(data + 1, size - 1);
    qev::fuzz::CheckResultText(amount, currency, qev::AmountToWords(amount, currency));
    return 0;
}
