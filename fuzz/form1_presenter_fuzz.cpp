// The main window's presenter against the fake window, driven by any sequence of what a clerk
// does: keys typed at the caret, the caret moved, pastes, currencies chosen, the history's keys,
// the case buttons, forms chosen from the menu, copies. After every step the amount box holds a
// clean amount of at most 22 characters and the result box the wording of that amount, in the
// case and form the clerk chose; going back, then forward, comes back to the same amount.
#include "currency/currency_table.h"
#include "engine/amount_input.h"
#include "fuzz/fuzz_support.h"
#include "tests/ui/fake_window.h"

#include <string_view>

namespace {

using namespace qev;

// The form and case the fake window's kept choices say, read as the next run would read them.
WordingForm KeptForm(const test::FakeSettings& settings) {
    WordingForm form;
    for (std::size_t k = 0; k < kFormChoiceCount; ++k) {
        const auto kept = settings.Read(kFormChoices[k].name);
        form.values[k] =
            kept ? ValueNamed(FormChoice(k), std::string(kept->begin(), kept->end())).value() : 0;
    }
    return form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Characters the clerk types: amount characters, what an input method gives for them, and
    // others.
    constexpr std::u16string_view kKeys = u"0123456789.,０９．。，a -\b\x7f^<";
    test::FakeWindow window;
    std::size_t currency = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t step = data[i], argument = data[i + 1];
        switch (step % 10) {
        case 0:
        case 1:
        case 2:
            window.Type(kKeys.substr(argument % kKeys.size(), 1));
            break;
        case 3: { // a paste of the next few bytes as text
            std::u16string pasted;
            for (std::size_t k = 0; k < argument % 8 && i + 2 < size; ++k, i += 1) {
                pasted += kKeys[data[i + 2] % kKeys.size()];
            }
            window.Paste(pasted);
            break;
        }
        case 4:
            currency = argument % CurrencyRecords().size();
            window.index = currency;
            window.presenter.Combo1_Click();
            break;
        case 5: { // back, then forward again: the same amount
            const std::u16string before = window.amount;
            window.Press({u'Z', true});
            if (window.amount != before) {
                window.Press({u'Y', true});
                FUZZ_REQUIRE(window.amount == before);
            }
            break;
        }
        case 6:
            window.Press(argument % 2 ? KeyStroke{u'Y', true} : KeyStroke{u'Z', true});
            break;
        case 7:
            window.presenter.Command1_Click(argument % 4);
            break;
        case 8: {
            const auto choice = FormChoice(argument % kFormChoiceCount);
            window.Choose(
                form1::Box::Result,
                form1::FormValue{choice, std::uint8_t(argument / 16 % ValueCount(choice))});
            break;
        }
        default:
            window.Press({argument % 2 ? u'C' : u'R', true, true}, KeyScope::Window);
            break;
        }
        const std::u16string_view amount = window.amount;
        FUZZ_REQUIRE(amount.size() <= kAmountBoxMaxLength);
        FUZZ_REQUIRE(std::all_of(amount.begin(), amount.end(), IsAmountCharacter));
        FUZZ_REQUIRE(!amount.starts_with(u'.'));
        const std::u16string kept = window.settings.Read("case").value_or(u"upper");
        const auto style = CaseStyleNamed(std::string(kept.begin(), kept.end()));
        const std::u16string wording =
            amount.empty()
                ? u""
                : AmountToWords(amount, CurrencyAt(currency), KeptForm(window.settings)).text;
        FUZZ_REQUIRE(window.result == ApplyCaseStyle(wording, style.value()));
    }
    return 0;
}
