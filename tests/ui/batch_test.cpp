// The batch window's behaviour against a fake window whose columns hold their rows as real ones
// do: rows pasted or typed and their wordings beside them, row for row, the counts, copying the
// result column, the main window's choices followed, the limit on a paste.
#include "currency/currency_table.h"
#include "ui/form3_presenter.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace qev;

namespace {

class FakeBatchWindow : public form3::View {
public:
    explicit FakeBatchWindow(form3::Choices choices = {}) : presenter(*this, choices) {
        presenter.Form_Load();
    }
    // The amount column's text set, as typing or pasting leaves it.
    void Edit(std::u16string_view text) {
        amounts = text;
        presenter.Text1_Change();
    }

    void ShowRestoredInFront() override {}
    std::u16string Amounts() const override { return amounts; }
    void ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) override {
        std::vector<std::u16string> lines;
        for (std::size_t start = 0;; start = rows.find(u'\n', start) + 1) {
            lines.emplace_back(rows.substr(start, rows.find(u'\n', start) - start));
            if (rows.find(u'\n', start) == std::u16string_view::npos) {
                break;
            }
        }
        ASSERT_GE(count, 1u);
        ASSERT_LE(first + count, results.size());
        results.erase(results.begin() + first, results.begin() + first + count);
        results.insert(results.begin() + first, lines.begin(), lines.end());
        written += lines.size();
    }
    void ScrollAmountsTo(std::size_t row) override { amountsRow = row; }
    void ScrollResultsTo(std::size_t row) override { resultsRow = row; }
    void ShowStatus(std::u16string_view text) override { status = text; }
    void PasteIntoAmounts() override { Edit(amounts + *clipboard); }
    void Beep() override { ++beeps; }
    std::optional<std::u16string> ClipboardText() const override { return clipboard; }
    bool SetClipboardText(std::u16string_view text) override { return (clipboard = text, true); }

    std::u16string amounts, status;
    std::vector<std::u16string> results{u""};
    std::size_t written = 0, amountsRow = 0, resultsRow = 0, beeps = 0;
    std::optional<std::u16string> clipboard;
    form3::Presenter presenter;
};

const std::u16string kOne = u"SAY US DOLLARS ONE ONLY";
const std::u16string kThousands =
    u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY";

// Rows as a spreadsheet's column brings them, a blank one kept; then edits of one row, rows put
// in and taken out: each time the result column holds every row's line beside it, and only the
// rows that changed are written anew.
TEST(Form3, RowForRow) {
    FakeBatchWindow window;
    window.clipboard = u"1\n\nabc\n$1,234.50";
    EXPECT_TRUE(window.presenter.Form_KeyDown(KeyScope::BatchAmounts, {u'V', true}));
    EXPECT_EQ(window.results,
              (std::vector<std::u16string>{kOne, u"", u"无法转换：没有这种货币代码", kThousands}));
    EXPECT_EQ(window.status, u"共3行，其中1行无法转换");
    EXPECT_TRUE(window.presenter.Form_KeyDown(KeyScope::BatchWindow, {u'C', true, true}));
    EXPECT_EQ(window.clipboard, kOne + u"\n\n无法转换：没有这种货币代码\n" + kThousands);

    const struct {
        std::u16string amounts;
        std::vector<std::u16string> results;
        std::size_t written; // rows written anew
    } edits[] = {
        {u"1\n\n2\n$1,234.50", {kOne, u"", u"SAY US DOLLARS TWO ONLY", kThousands}, 1},
        {u"1\n\n2\n7\n$1,234.50",
         {kOne, u"", u"SAY US DOLLARS TWO ONLY", u"SAY US DOLLARS SEVEN ONLY", kThousands},
         2},
        {u"1\n$1,234.50", {kOne, kThousands}, 1},
        {u"1\n$1,234.50\n", {kOne, kThousands, u""}, 2},
        {u"", {u""}, 1},
    };
    for (const auto& edit : edits) {
        window.written = 0;
        window.Edit(edit.amounts);
        EXPECT_EQ(window.results, edit.results) << testing::PrintToString(edit.amounts);
        EXPECT_EQ(window.written, edit.written);
    }
    EXPECT_EQ(window.status, u"共0行");
}

// The main window's currency, form and case, followed while open; the Chinese capital for the
// rows in yuan alone; the columns scrolled together.
TEST(Form3, FollowsTheMainWindow) {
    FakeBatchWindow window;
    window.Edit(u"1409.5\tCNY\n12");
    WordingForm form;
    form.values[static_cast<std::size_t>(FormChoice::Currency)] = 1;
    window.presenter.Follow({14, form, CaseStyle::Title});
    EXPECT_EQ(window.results, (std::vector<std::u16string>{
                                  u"Say One Thousand Four Hundred And Nine Renminbi Yuan & Fifty "
                                  u"Fen Only",
                                  u"Say Twelve Euros Only"}));
    window.presenter.Check1_Click(true);
    EXPECT_EQ(window.results, (std::vector<std::u16string>{u"人民币壹仟肆佰零玖元伍角整",
                                                           u"无法转换：人民币大写只用于人民币"}));
    EXPECT_EQ(window.status, u"共2行，其中1行无法转换");
    window.presenter.Text1_Scroll(42);
    window.presenter.Text2_Scroll(7);
    EXPECT_EQ(window.resultsRow + window.amountsRow, 49u);
}

// A paste that would pass the most rows a column takes is refused whole, with a note.
TEST(Form3, TooManyRows) {
    FakeBatchWindow window;
    window.Edit(u"5");
    window.clipboard = std::u16string(form3::kMaxRows, u'\n');
    window.presenter.Text1_Paste();
    EXPECT_EQ(window.amounts, u"5");
    EXPECT_EQ(window.status, u"最多200000行，未粘贴");
    EXPECT_EQ(window.beeps, 1u);
}

} // namespace
