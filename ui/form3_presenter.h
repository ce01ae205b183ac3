// The batch window's behaviour, written once for every skin: a column of amounts, as a clerk
// pastes them from a spreadsheet or types them, and beside it, row for row, the column of their
// wordings in the main window's currency, form and letter case, which it follows while open.
#pragma once

#include "currency/row_wording.h"
#include "ui/form3_design.h"
#include "ui/one_window.h"
#include "ui/window_keys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qev::form3 {

// The main window's choices the batch window writes its rows in.
struct Choices {
    std::size_t currency = 0;
    WordingForm form;
    CaseStyle style = CaseStyle::Upper;
    bool operator==(const Choices&) const = default;
};

// What the presenter asks of the real window. The columns' texts part their rows by line feeds.
class View {
public:
    virtual ~View() = default;
    // Shown restored (should it have been minimised), in front, the focus in the amount column.
    virtual void ShowRestoredInFront() = 0;
    virtual std::u16string Amounts() const = 0;
    // Replaces `count` rows of the result column from row `first` on, one at least, with `rows`,
    // one or more parted by line feeds.
    virtual void ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) = 0;
    // Scrolls a column so that its first row shown is this one.
    virtual void ScrollAmountsTo(std::size_t row) = 0;
    virtual void ScrollResultsTo(std::size_t row) = 0;
    virtual void ShowStatus(std::u16string_view text) = 0;
    // The amount column's own paste, once the presenter has let it in.
    virtual void PasteIntoAmounts() = 0;
    virtual void Beep() = 0;
    virtual std::optional<std::u16string> ClipboardText() const = 0;
    // The rows on the clipboard, parted by the system's line breaks.
    virtual bool SetClipboardText(std::u16string_view rows) = 0;
};

// There is never more than one batch window; the main window's choices reach it while open.
inline View* Open(const std::function<View*()>& make) {
    return OneWindow<View>::Open(make);
}
inline View* OpenWindow() {
    return OneWindow<View>::Current();
}
inline void Closed(const View& window) {
    OneWindow<View>::Closed(window);
}

class Presenter {
public:
    Presenter(View& view, const Choices& choices) : view_(view), choices_(choices) {}

    void Form_Load() { Text1_Change(); }
    // The main window's currency, form or letter case changed: every row anew.
    void Follow(const Choices& choices);
    // The amount column changed: its rows that changed, anew.
    void Text1_Change();
    // A paste into the amount column, judged before it reaches it.
    void Text1_Paste();
    // Either column scrolled: the other follows, row for row.
    void Text1_Scroll(std::size_t firstRow) { view_.ScrollResultsTo(firstRow); }
    void Text2_Scroll(std::size_t firstRow) { view_.ScrollAmountsTo(firstRow); }
    // The Chinese capital in place of the wording for the rows in yuan, or not.
    void Check1_Click(bool checked);
    // 复制结果: the result column on the clipboard.
    void Command1_Click();
    // A key pressed in the window: false when it is none of the window's keys.
    bool Form_KeyDown(KeyScope where, KeyStroke stroke);

private:
    void ConvertAll();
    std::u16string Convert(std::size_t first, std::size_t end);
    void ShowCounts();

    View& view_;
    Choices choices_;
    bool rmbCapital_ = false;
    // The amount column's rows as last converted, and their lines: one empty row, as an empty
    // column holds, at first.
    std::vector<std::u16string> rows_{u""};
    std::vector<RowWording::Line> results_{RowWording::Line{{}, false, true}};
};

} // namespace qev::form3
