#include "ui/form1_design.h"

#include "engine/amount_input.h"
#include "engine/text_services.h"
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
        return {{}, 0, typed ? kTypedTooLong : kPastedTooLong, {}};
    }
    // Each character lost, by name where it would show as nothing.
    std::u16string note;
    const std::u16string_view removed = cleaned.removed;
    for (std::size_t i = 0; i < removed.size(); ++i) {
        const char16_t c = removed[i];
        const std::u16string_view name =
            c == u' '                  ? u"空格"
            : c == u'\r' || c == u'\n' ? u"换行"
            : c == u'\t'               ? u"制表符"
            : c < 0x20 || (c >= 0x7f && c <= 0x9f)
                ? u"控制字符"
                : removed.substr(i, FirstUtf16Character(removed.substr(i)).length);
        if (note.find(name) == std::u16string::npos) {
            note.append(note.empty() ? kRemovedNote : u"、").append(name);
        }
        i += FirstUtf16Character(removed.substr(i)).length - 1;
    }
    note.append(cleaned.moreRemoved ? u"…" : u"");
    return {std::move(cleaned.text), cleaned.caret, {}, std::move(note)};
}

namespace {

bool IsAnyDigit(char16_t c) {
    return IsDigit(c) || (c >= u'０' && c <= u'９');
}

} // namespace

std::u16string_view PasteRefusal(std::u16string_view pasted) {
    constexpr std::u16string_view kBreaks = u"\t\r\n\v\f\u2028\u2029";
    constexpr std::u16string_view kSigns = u"-+－＋−";
    std::size_t partsWithDigits = 0;
    bool digitInPart = false;
    for (const char16_t c : pasted) {
        if (kBreaks.find(c) != std::u16string_view::npos) {
            digitInPart = false;
        } else if (IsAnyDigit(c) && !digitInPart) {
            digitInPart = true;
            ++partsWithDigits;
        }
    }
    if (partsWithDigits > 1) {
        return kPastedSeveral;
    }
    const auto first = std::find_if(pasted.begin(), pasted.end(), IsAnyDigit);
    if (first == pasted.end()) {
        return {};
    }
    const auto last = std::find_if(pasted.rbegin(), pasted.rend(), IsAnyDigit).base();
    const auto has = [](auto from, auto to, std::u16string_view characters) {
        return std::any_of(
            from, to, [&](char16_t c) { return characters.find(c) != std::u16string_view::npos; });
    };
    const bool signed_ = has(pasted.begin(), pasted.end(), kSigns) ||
                         (has(pasted.begin(), first, u"(（") && has(last, pasted.end(), u")）"));
    return signed_ ? kPastedSigned : std::u16string_view();
}

bool IsAmountText(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return false;
    }
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    return std::any_of(text.begin(), text.end(), IsAnyDigit) &&
           std::all_of(text.begin(), text.end(), [](char16_t c) {
               return IsAnyDigit(c) ||
                      std::u16string_view(u",.，．。").find(c) != std::u16string_view::npos;
           });
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
