#include "currency/row_wording.h"

#include "currency/currency_table.h"
#include "engine/amount_cells.h"
#include "engine/rmb_capital.h"

namespace qev {

const PreparedCurrency<char16_t>& RowWording::Prepared(std::size_t index) {
    auto found = prepared_.find(index);
    if (found == prepared_.end()) {
        found = prepared_.try_emplace(index, CurrencyAt(index), style_, u"\n", form_).first;
    }
    return found->second;
}

RowWording::Line RowWording::Of(std::u16string_view row) {
    const CellsRow read =
        ReadCells(row, [](std::u16string_view code) { return FindCurrencyCode(code).has_value(); });
    if (read.kind == CellsRow::Kind::Blank) {
        return {{}, false, true};
    }
    if (read.kind == CellsRow::Kind::Refused) {
        return {std::u16string(read.message)};
    }
    const std::size_t index = read.code.empty() ? currency_ : *FindCurrencyCode(read.code);
    // Written where the last row's was: no room made anew for each row.
    const PreparedCurrency<char16_t>& prepared = Prepared(index);
    buffer_.resize(std::max(buffer_.size(), prepared.Room()));
    AmountProblem problem = AmountProblem::None;
    char16_t* wording = nullptr;
    const char16_t* end = prepared.WriteResult(buffer_.data(), read.amount, problem, &wording);
    const std::size_t decimals = CurrencyFieldsAt(index).decimals;
    if (problem != AmountProblem::None) {
        return {std::u16string(MessageOf(problem, decimals))};
    }
    if (rmbCapital_) {
        if (CurrencyFieldsAt(index).code != u"CNY") {
            return {std::u16string(kRmbOnlyMessage)};
        }
        return {*RmbCapitalOf(read.amount, form_), true};
    }
    return {std::u16string(std::u16string_view(wording, static_cast<std::size_t>(end - wording))),
            true};
}

} // namespace qev
