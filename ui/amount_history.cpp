#include "ui/amount_history.h"

namespace qev::form1 {

void AmountHistory::Record(const AmountState& before, Selection after, bool typed) {
    if (!(typed && runEnd_ == before.selection)) {
        back_.push_back(before);
    }
    forward_.clear();
    runEnd_ = typed ? std::optional(after) : std::nullopt;
}

std::optional<AmountState> AmountHistory::Step(std::vector<AmountState>& from,
                                               std::vector<AmountState>& to,
                                               const AmountState& now) {
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(now);
    AmountState state = std::move(from.back());
    from.pop_back();
    runEnd_.reset();
    return state;
}

} // namespace qev::form1
