// The amount box's history: the amounts the clerk's edits left behind, to go back to (Ctrl+Z) and
// forward again (Ctrl+Y). The program's own write-backs and refusals are no edits of their own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qev::form1 {

// A box's selection: the end it started from and the caret, the end that moves; where they meet,
// the caret alone. 0-based, between characters.
struct Selection {
    std::size_t anchor = 0;
    std::size_t caret = 0;
    bool operator==(const Selection&) const = default;
};

// The amount box as an edit found it or left it.
struct AmountState {
    std::u16string amount;
    Selection selection;
};

class AmountHistory {
public:
    // An edit taken: `before` is the box as the edit found it, `caretAfter` where the edit left
    // the selection. A key (or an input method's text) typed where the last key left the caret
    // joins that key's edit, so a run of keys goes back in one step; moving the caret in between,
    // or any other edit, begins a new one.
    void Record(const AmountState& before, Selection after, bool typed);
    // The state before the last edit, going back from `now`, which the way forward then holds;
    // nothing at the start of the history.
    std::optional<AmountState> Back(const AmountState& now) { return Step(back_, forward_, now); }
    std::optional<AmountState> Forward(const AmountState& now) {
        return Step(forward_, back_, now);
    }
    bool CanGoBack() const { return !back_.empty(); }
    bool CanGoForward() const { return !forward_.empty(); }

private:
    std::optional<AmountState> Step(std::vector<AmountState>& from, std::vector<AmountState>& to,
                                    const AmountState& now);

    std::vector<AmountState> back_, forward_;
    std::optional<Selection> runEnd_; // where the run of keys still going on left the selection
};

} // namespace qev::form1
