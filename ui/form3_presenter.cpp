#include "ui/form3_presenter.h"

#include <algorithm>

namespace qev::form3 {

namespace {

std::vector<std::u16string> RowsOf(std::u16string_view text) {
    std::vector<std::u16string> rows;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(u'\n', start);
        rows.emplace_back(text.substr(start, end - start));
        if (end == std::u16string_view::npos) {
            return rows;
        }
        start = end + 1;
    }
}

} // namespace

void Presenter::Follow(const Choices& choices) {
    if (choices != choices_) {
        choices_ = choices;
        ConvertAll();
    }
}

void Presenter::Check1_Click(bool checked) {
    rmbCapital_ = checked;
    ConvertAll();
}

void Presenter::ConvertAll() {
    const std::size_t shown = rows_.size();
    rows_ = RowsOf(view_.Amounts());
    results_.clear();
    view_.ReplaceResults(0, shown, Convert(0, rows_.size()));
    ShowCounts();
}

std::u16string Presenter::Convert(std::size_t first, std::size_t end) {
    // One writer for all the rows: each currency a row names is prepared once.
    RowWording wording(choices_.currency, choices_.form, choices_.style, rmbCapital_);
    std::vector<RowWording::Line> lines;
    lines.reserve(end - first);
    std::u16string text;
    for (std::size_t row = first; row < end; ++row) {
        lines.push_back(wording.Of(rows_[row]));
        text.append(row > first ? u"\n" : u"").append(lines.back().text);
    }
    results_.insert(results_.begin() + static_cast<std::ptrdiff_t>(first),
                    std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    return text;
}

void Presenter::Text1_Change() {
    // Only the rows between those kept at the start and at the end are written anew: an edit of
    // one row in a hundred thousand costs one row.
    std::vector<std::u16string> rows = RowsOf(view_.Amounts());
    std::size_t kept = static_cast<std::size_t>(
        std::mismatch(rows.begin(), rows.end(), rows_.begin(), rows_.end()).first - rows.begin());
    std::size_t keptAtEnd = 0;
    while (keptAtEnd < rows.size() - kept && keptAtEnd < rows_.size() - kept &&
           rows[rows.size() - 1 - keptAtEnd] == rows_[rows_.size() - 1 - keptAtEnd]) {
        ++keptAtEnd;
    }
    // A row put in or taken out is written with a row beside it, so that a row always replaces
    // a row: both columns hold one row at least.
    if (kept + keptAtEnd == std::min(rows.size(), rows_.size())) {
        kept > 0 ? --kept : --keptAtEnd;
    }
    const std::size_t replaced = rows_.size() - kept - keptAtEnd;
    rows_ = std::move(rows);
    results_.erase(results_.begin() + static_cast<std::ptrdiff_t>(kept),
                   results_.begin() + static_cast<std::ptrdiff_t>(kept + replaced));
    view_.ReplaceResults(kept, replaced, Convert(kept, rows_.size() - keptAtEnd));
    ShowCounts();
}

void Presenter::Text1_Paste() {
    const std::optional<std::u16string> pasted = view_.ClipboardText();
    if (!pasted) {
        return;
    }
    const auto lines = [](std::u16string_view text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n'));
    };
    // Refused whole, never cut: a column cut short would lose rows without a word.
    if (rows_.size() + lines(*pasted) > kMaxRows) {
        view_.Beep();
        view_.ShowStatus(kTooManyRows);
        return;
    }
    view_.PasteIntoAmounts();
}

void Presenter::ShowCounts() {
    std::size_t rows = 0, refused = 0;
    for (const RowWording::Line& line : results_) {
        rows += !line.blank;
        refused += !line.blank && !line.written;
    }
    view_.ShowStatus(RowsNote(rows, refused));
}

void Presenter::Command1_Click() {
    std::u16string text;
    for (std::size_t row = 0; row < results_.size(); ++row) {
        text.append(row > 0 ? u"\n" : u"").append(results_[row].text);
    }
    if (!view_.SetClipboardText(text)) {
        view_.Beep();
    }
}

bool Presenter::Form_KeyDown(KeyScope where, KeyStroke stroke) {
    const std::optional<KeyAction> action = BoundAction(where, stroke);
    if (action == KeyAction::CopyResults) {
        Command1_Click();
    } else if (action == KeyAction::Paste) {
        Text1_Paste();
    }
    return action == KeyAction::CopyResults || action == KeyAction::Paste;
}

} // namespace qev::form3
