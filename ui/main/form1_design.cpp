#include "ui/main/form1_design.h"

#include "engine/amount_input.h"
#include "ui/maker.h"

#include <algorithm>

namespace qev::form1 {

namespace {

constexpr int kText1WidthOffset = 4665;
constexpr int kCombo1LeftOffset = 3840;
constexpr int kText2WidthOffset = 945;
constexpr int kText2HeightOffset = 1470;

} // namespace

const Control& ControlNamed(std::string_view name, int index) {
    return *std::find_if(kControls.begin(), kControls.end(), [&](const Control& control) {
        return control.name == name && control.index == index;
    });
}

std::u16string StatusPanelText() {
    return u"Kestrune软件出品 " + std::u16string(kMakerWebAddress);
}

Layout LayOut(int outerWidth, int outerHeight) {
    Layout layout;
    if (outerWidth >= kText1WidthOffset) {
        layout.text1Width = outerWidth - kText1WidthOffset;
    }
    layout.combo1Left = outerWidth - kCombo1LeftOffset;
    if (outerWidth >= kText2WidthOffset && outerHeight >= kText2HeightOffset) {
        layout.text2Width = outerWidth - kText2WidthOffset;
        layout.text2Height = outerHeight - kText2HeightOffset;
    }
    return layout;
}

AmountEdit EditAmount(std::u16string_view text, std::size_t caret, bool typed) {
    CleanedAmount cleaned = CleanAmountInput(text, caret);
    if (cleaned.text.size() > kAmountBoxMaxLength) {
        return {{}, 0, typed ? kTypedTooLong : kPastedTooLong};
    }
    return {std::move(cleaned.text), cleaned.caret, {}};
}

std::optional<CaseStyle> CaseButtonStyle(int index) {
    constexpr std::array<CaseStyle, 3> kStyles = {CaseStyle::Upper, CaseStyle::Title,
                                                  CaseStyle::Lower};
    if (index < 0 || index >= static_cast<int>(kStyles.size())) {
        return std::nullopt;
    }
    return kStyles[static_cast<std::size_t>(index)];
}

} // namespace qev::form1
