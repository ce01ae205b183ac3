// The wording's forms on amounts made of "0123456789,.": the first byte picks the currency, the
// next seven the English wording's choices, the ninth the letter case, the rest are the amount.
// The echo and any message are the design form's, which result_check holds to the amount; the
// words read back to the amount that echo shows, as the form writes it; and a letter case is
// the whole upper-case text recast.
#include "currency/currency_table.h"
#include "engine/case_styles.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/result_check.h"
#include "fuzz/words_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHead = 1 + qev::kEnglishChoiceCount + 1;
    if (size < kHead) {
        return 0;
    }
    const qev::SelectedCurrency currency = qev::CurrencyAt(data[0] % qev::CurrencyRecords().size());
    qev::WordingForm form;
    for (std::size_t k = 0; k < qev::kEnglishChoiceCount; ++k) {
        form.values[k] =
            static_cast<std::uint8_t>(data[1 + k] % qev::ValueCount(qev::FormChoice(k)));
    }
    const auto style = static_cast<qev::CaseStyle>(data[kHead - 1] % 3);
    const std::u16string amount = qev::fuzz::AmountCharacters(data + kHead, size - kHead);

    const qev::Conversion design = qev::AmountToWords(amount, currency);
    qev::fuzz::CheckResultText(amount, currency, design);
    const qev::Conversion result = qev::AmountToWords(amount, currency, form);
    FUZZ_REQUIRE(result.converted == design.converted);
    const std::size_t lineBreak = design.text.find(u'\r');
    FUZZ_REQUIRE(result.text.substr(0, lineBreak + 1) == design.text.substr(0, lineBreak + 1));
    if (!result.converted) {
        FUZZ_REQUIRE(result.text == design.text);
        return 0;
    }
    const std::u16string digits = qev::fuzz::EchoedDigits(design, currency);
    const std::u16string_view words = std::u16string_view(result.text).substr(lineBreak + 6);
    const std::string fault = qev::fuzz::WordingFault(
        std::string(words.begin(), words.end()), currency, form,
        std::stoll(std::string(digits.begin(), digits.begin() + qev::kMaxIntegerDigits)),
        std::stoi(std::string(digits.begin() + qev::kMaxIntegerDigits, digits.end())));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
    }
    FUZZ_REQUIRE(fault.empty());

    std::u16string styled;
    qev::PreparedCurrency<char16_t>(currency, style, u"\r\n", form).AppendResult(styled, amount);
    FUZZ_REQUIRE(styled == qev::ApplyCaseStyle(result.text, style));
    return 0;
}
