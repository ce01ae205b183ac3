// How fast amounts are written out: the engine on its worst case and on a mix of lengths, beside
// ICU's rule-based spell-out, the path a C++ developer would otherwise reach for.
#include "bench/time_keeping_reporter.h"
#include "currency/currency_table.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const qev::SelectedCurrency kUsDollars = qev::CurrencyAt(0);

// A seeded mix of amounts with 1 to 15 integer digits and two decimals.
const std::vector<std::u16string>& MixedAmounts() {
    static const std::vector<std::u16string> amounts = [] {
        std::mt19937 random(20261206);
        std::vector<std::u16string> result;
        for (int n = 0; n < 4096; ++n) {
            const int digits = 1 + static_cast<int>(random() % 15);
            std::u16string amount;
            amount.push_back(static_cast<char16_t>(u'1' + random() % 9));
            for (int i = 1; i < digits; ++i) {
                amount.push_back(static_cast<char16_t>(u'0' + random() % 10));
            }
            amount += u".";
            amount.push_back(static_cast<char16_t>(u'0' + random() % 10));
            amount.push_back(static_cast<char16_t>(u'0' + random() % 10));
            result.push_back(amount);
        }
        return result;
    }();
    return amounts;
}

void BM_EngineWorstCase(benchmark::State& state) {
    const std::u16string amount = u"777,777,777,777,777.77";
    for (auto _ : state) {
        benchmark::DoNotOptimize(qev::AmountToWords(amount, kUsDollars));
    }
}
BENCHMARK(BM_EngineWorstCase);

void BM_EngineMix(benchmark::State& state) {
    const auto& amounts = MixedAmounts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qev::AmountToWords(amounts[i++ % amounts.size()], kUsDollars));
    }
}
BENCHMARK(BM_EngineMix);

// The same in other forms: the cheque's sub-unit, SAY TOTAL and hyphens; and POINT with the
// currency after, agreeing with its number, ONLY after whole amounts and Indian numbering.
void BM_EngineMixForm(benchmark::State& state, qev::WordingForm form) {
    const qev::SelectedCurrency dollars = qev::CurrencyAt(0);
    const auto& amounts = MixedAmounts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qev::AmountToWords(amounts[i++ % amounts.size()], dollars, form));
    }
}
BENCHMARK_CAPTURE(BM_EngineMixForm, ChequeForm, qev::WordingForm{{3, 1, 0, 0, 1, 0}});
BENCHMARK_CAPTURE(BM_EngineMixForm, PointAfterIndian, qev::WordingForm{{4, 0, 2, 1, 0, 0, 1}});

// The peer: two spell-out calls per amount (integer and cents), joined with the currency and
// subunit words and upper-cased, as a hand-rolled replacement would do it.
std::u16string SpellOutWithIcu(const icu::RuleBasedNumberFormat& format,
                               const std::u16string& amount) {
    const auto point = amount.find(u'.');
    int64_t integer = 0;
    for (std::size_t i = 0; i < point; ++i) {
        integer = integer * 10 + (amount[i] - u'0');
    }
    const int cents = (amount[point + 1] - u'0') * 10 + (amount[point + 2] - u'0');
    icu::UnicodeString words;
    format.format(integer, words);
    icu::UnicodeString text("say ");
    text += kUsDollars.name.c_str();
    text += " ";
    text += words;
    if (cents != 0) {
        icu::UnicodeString centWords;
        format.format(static_cast<int32_t>(cents), centWords);
        text += " & ";
        text += centWords;
        text += " ";
        text += kUsDollars.subunit.c_str();
    }
    text += " only";
    text.toUpper(icu::Locale::getRoot());
    return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

void BM_IcuSpellOutMix(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale::getEnglish(), status);
    if (U_FAILURE(status)) {
        state.SkipWithError("no ICU spell-out rules");
        return;
    }
    const auto& amounts = MixedAmounts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SpellOutWithIcu(format, amounts[i++ % amounts.size()]));
    }
}
BENCHMARK(BM_IcuSpellOutMix);

void BM_TitleCaseResult(benchmark::State& state) {
    const std::u16string text = qev::AmountToWords(u"777777777777777.77", kUsDollars).text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qev::CapitalizeWords(text));
    }
}
BENCHMARK(BM_TitleCaseResult);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qev::TimeKeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double engine = reporter.At("BM_EngineMix");
    const double icu = reporter.At("BM_IcuSpellOutMix");
    if (engine > 0 && icu > 0) {
        std::printf("\nper amount on the mix: engine %.0f ns, ICU spell-out %.0f ns; "
                    "the engine is %.1f times faster (target: 10)\n",
                    engine, icu, icu / engine);
    }
    for (const auto& [name, form] :
         {std::pair{"BM_EngineMixForm/ChequeForm", "the cheque form with SAY TOTAL and hyphens"},
          std::pair{"BM_EngineMixForm/PointAfterIndian",
                    "POINT, the currency after, ONLY after whole amounts, lakh and crore"}}) {
        if (const double other = reporter.At(name); engine > 0 && other > 0) {
            std::printf("in %s: %.0f ns, %+.1f%% (target: within 10%%)\n", form, other,
                        100 * (other / engine - 1));
        }
    }
    benchmark::Shutdown();
    return 0;
}
