// The Chinese capital on amounts made of "0123456789,.": it is there exactly when the yuan's
// English wording is; in every variant it reads back to the digits the echo shows, and a variant
// differs from the full capital only by a 零 or the closing 整 it leaves out.
#include "currency/currency_table.h"
#include "engine/rmb_capital.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/result_check.h"
#include "fuzz/words_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string amount = qev::fuzz::AmountCharacters(data, size);
    const qev::SelectedCurrency yuan = qev::CurrencyAt(*qev::FindCurrencyCode(u"CNY"));
    const qev::Conversion design = qev::AmountToWords(amount, yuan);
    const std::optional<std::u16string> full = qev::RmbCapitalOf(amount);
    FUZZ_REQUIRE(full.has_value() == design.converted);
    if (!full) {
        return 0;
    }
    const std::u16string digits = qev::fuzz::EchoedDigits(design, yuan);
    for (std::uint8_t variant = 0; variant < 4; ++variant) {
        qev::WordingForm form;
        form.values[std::size_t(qev::FormChoice::RmbPlaceZero)] = variant & 1;
        form.values[std::size_t(qev::FormChoice::RmbZhengAfterJiao)] = variant >> 1;
        const std::u16string capital = *qev::RmbCapitalOf(amount, form);
        FUZZ_REQUIRE(qev::fuzz::ReadRmbCapital(capital) ==
                     std::string(digits.begin(), digits.end()));
        std::size_t at = 0;
        for (const char16_t c : *full) {
            if (at < capital.size() && capital[at] == c) {
                ++at;
            } else {
                FUZZ_REQUIRE(c == u'零' || c == u'整');
            }
        }
        FUZZ_REQUIRE(at == capital.size());
    }
    return 0;
}
