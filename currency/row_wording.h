// What the batch window and qev-words --cells write for a row of a spreadsheet's cells: the
// wording alone, in the form and letter style chosen; the Chinese capital of a row in yuan, when it
// is asked for; the row's message when it cannot be written out; nothing for a blank row.
#pragma once

#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "engine/wording_form.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace qev {

// A row in another currency than the yuan, when the Chinese capital is asked for.
inline constexpr std::u16string_view kRmbOnlyMessage = u"无法转换：人民币大写只用于人民币";

class RowWording {
public:
    // Rows that name no currency are in list entry `currency`.
    RowWording(std::size_t currency, const WordingForm& form, CaseStyle style, bool rmbCapital)
        : currency_(currency), form_(form), style_(style), rmbCapital_(rmbCapital) {}

    struct Line {
        std::u16string text;
        bool written = false; // false: blank, or a message
        bool blank = false;
    };
    Line Of(std::u16string_view row);

private:
    const PreparedCurrency<char16_t>& Prepared(std::size_t index);

    std::size_t currency_;
    WordingForm form_;
    CaseStyle style_;
    bool rmbCapital_;
    std::map<std::size_t, PreparedCurrency<char16_t>> prepared_; // made as rows ask for them
    std::u16string buffer_;
};

} // namespace qev
