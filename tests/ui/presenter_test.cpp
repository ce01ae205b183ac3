// The windows' behaviour, toolkit-free, against fake windows that keep their boxes and list as
// real controls do and log every other call. The front ends' own tests show only that their
// events and view calls reach the real controls.
#include "currency/currency_table.h"
#include "tests/ui/fake_window.h"
#include "tests/ui/result_box.h"
#include "ui/form1_presenter.h"
#include "ui/form2_presenter.h"

#include <gtest/gtest.h>

#include <map>

using namespace qev;
using form1::Box;
using qev::test::FakeWindow;

namespace {

TEST(Form1, StartUp) {
    FakeWindow window;
    ASSERT_EQ(window.entries.size(), CurrencyRecords().size());
    EXPECT_EQ(window.entries[0], u"美国美元 US Dollars");
    EXPECT_EQ(window.index, 0u);
    EXPECT_EQ(window.amount + window.result, u"");
    EXPECT_EQ(window.minimum.width, 5565);
    EXPECT_EQ(window.minimum.height, 3780);
}

// The box with '|' at the caret, before and after keys or a paste, then the status bar's notes:
// each edit that loses characters names them, a refused edit beeps; the result box follows.
TEST(Form1, AmountBoxEdits) {
    const std::u16string full = u"1234567890123456789012";
    const struct {
        std::u16string start, keys, pasted, box;
    } rows[] = {
        {u"12|", u"a ", u"", u"12| 已删除非金额字符：a 已删除非金额字符：空格"},
        {u"|", u"1234。5", u"", u"1234.5|"}, // what a Chinese input method gives
        {u"12|34", u"^7", u"", u"7|"},
        {u"|", u".", u"", u"0.|"}, // a leading point gets a zero: ".5" is half a unit
        {u"0|.5", u"\b", u"", u"0|.5"},
        {u"|1.5",
         u"\x7f"
         u"2",
         u"", u"02|.5"}, // the caret after that zero
        {u"|", u"", u"a1 000\u3000000", u"1000000| 已删除非金额字符：a、空格、\u3000"},
        {u"1|9", u"", u"２，３元", u"12,3|9 已删除非金额字符：元"},
        // A column, a row or a signed amount from a spreadsheet is refused whole.
        {u"5|", u"", u"100\r\n200", u"5| beep 粘贴的内容含有多个数目，未粘贴"},
        {u"5|", u"", u"12\t34", u"5| beep 粘贴的内容含有多个数目，未粘贴"},
        {u"5|", u"", u"-1,234.50", u"5| beep 粘贴的金额带有正负号或括号，未粘贴"},
        {u"5|", u"", u"(２，３)元", u"5| beep 粘贴的金额带有正负号或括号，未粘贴"},
        {u"5|", u"", u"USD 12\r\n", u"512| 已删除非金额字符：U、S、D、空格、换行"},
        {u"|", u"", u"1" + std::u16string(40000, u'x') + u"23", u"123| 已删除非金额字符：x"},
        {u"|", u"", u"abcdefghij7", u"7| 已删除非金额字符：a、b、c、d、e、f、g、h…"},
        {u"123|4567890123456789012", u"1", u"", u"123|4567890123456789012 beep 金额最多22个字符"},
        {u"12345|", u"", full, u"12345| beep 金额最多22个字符，未粘贴"},
        {u"12|", u"", std::u16string(1 << 20, u'7'), u"12| beep 金额最多22个字符，未粘贴"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.start + u" " + row.keys + row.pasted.substr(0, 9)));
        FakeWindow window;
        std::u16string start = row.start;
        const std::size_t caret = start.find(u'|');
        window.Type(start.erase(caret, 1));
        window.selection = {caret, caret};
        window.Type(row.keys);
        if (!row.pasted.empty()) {
            window.Paste(row.pasted);
        }
        EXPECT_EQ(window.AmountWithCaret() + u' ' + window.log, row.box + u' ');
        EXPECT_EQ(window.result, DollarsResult(window.amount));
    }
}

// A currency chosen converts the amount again, in the letter case last chosen; an entry beyond
// the catalogue chooses nothing; the field's text chooses by a code or the start of a name.
TEST(Form1, ChoosingCurrency) {
    FakeWindow window;
    window.Type(u"2.5");
    window.presenter.Command1_Click(2);
    window.index = CurrencyRecords().size();
    window.presenter.Combo1_Click();
    EXPECT_EQ(window.result, u"输入： usd2.50\r\n输出： say us dollars two & fifty cents only");
    window.index = 1;
    window.presenter.Combo1_Click();
    EXPECT_EQ(window.result, ToLowerCase(AmountToWords(u"2.5", CurrencyAt(1)).text));
    // What is typed into the list's field, then left: a code (full width, or RMB, too), the start
    // of a name or a part of a Chinese one chooses; an amount goes to the amount box, the focus
    // with it; any other text goes back, with a note.
    const struct {
        std::u16string text;
        std::size_t chosen;
        std::u16string amount, log;
    } typed[] = {
        {u" eur ", 14},
        {u"ＥＵＲ", 14},
        {u"瑞士", 2},
        {u"swiss franc", 2},
        {u"人民币", 12},
        {u"rmb", 12},
        {u"RUB", 183},
        {u"", 183},
        {u"xyz", 183, u"", u"未找到此币种：xyz "},
        {u" 1234.5", 183, u"1234.5|", u"focus:amount "},
        {u"１２３", 183, u"123|", u"focus:amount "},
    };
    for (const auto& row : typed) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        window.Type(u"^\b2.5");
        window.log.clear();
        window.field = row.text;
        window.presenter.Combo1_LostFocus();
        EXPECT_EQ(window.field, window.entries[row.chosen]);
        EXPECT_EQ(window.fieldSelection, form1::Selection{}); // its start shown
        EXPECT_EQ(window.AmountWithCaret(), row.amount.empty() ? u"2.5|" : row.amount);
        EXPECT_EQ(window.log, row.log);
        EXPECT_EQ(window.result,
                  ToLowerCase(AmountToWords(window.amount, CurrencyAt(row.chosen)).text));
    }
    window.Type(u"^\b2.5");
    // Enter in the field, which keeps the focus: the entry all selected, the caret at its start.
    window.presenter.Combo1_GotFocus();
    window.field = u"gbp";
    window.presenter.Combo1_EnterPressed();
    EXPECT_EQ(window.fieldSelection, (form1::Selection{window.entries[1].size(), 0}));
    // Dropped down wide enough for the longest entry and the scroll bar beside it.
    window.presenter.Combo1_DropDown();
    std::size_t longest = 0;
    for (const std::u16string& entry : window.entries) {
        longest = std::max(longest, entry.size());
    }
    EXPECT_GE(window.dropWidth, 100 * int(longest) + 255);
    window.screenRoom = 4000; // near the screen's right edge: no wider than the room left
    window.presenter.Combo1_DropDown();
    EXPECT_EQ(window.dropWidth, 4000);
    window.Type(u"^\b");
    window.index = 0;
    window.presenter.Combo1_Click();
    EXPECT_EQ(window.result, u""); // nothing to convert
    window.Type(u"2.5");
    EXPECT_EQ(window.result, ToLowerCase(DollarsResult(u"2.5")));
}

// The case buttons recast the result box as it stands, the clerk's own edits included; an index
// with no button changes nothing.
TEST(Form1, CaseButtons) {
    FakeWindow window;
    window.Type(u"100");
    window.result += u"  paid  ";
    const std::u16string title =
        u"输入： Usd100.00\r\n输出： Say Us Dollars One Hundred Only  Paid";
    const std::pair<int, std::u16string> presses[] = {{1, title},
                                                      {0, ToUpperCase(title)},
                                                      {-1, ToUpperCase(title)},
                                                      {2, ToLowerCase(title)},
                                                      {3, ToLowerCase(title)}};
    for (const auto& [index, result] : presses) {
        window.presenter.Command1_Click(index);
        EXPECT_EQ(window.result, result) << index;
    }
    EXPECT_EQ(window.settings.values.at("case"), u"lower"); // the style last chosen, kept
}

// The result box is written only when its text changes, for a screen reader hears of each write:
// not for a case it is already in, nor for the currency it is already in.
TEST(Form1, ResultWrittenOnlyWhenItChanges) {
    FakeWindow window;
    window.Type(u"5");
    const std::size_t writes = window.resultWrites;
    window.presenter.Command1_Click(0);
    window.presenter.Combo1_Click();
    EXPECT_EQ(window.resultWrites, writes);
    window.presenter.Command1_Click(2);
    EXPECT_EQ(window.resultWrites, writes + 1);
}

// Ctrl+B and "批量转换…" open the batch window in the window's currency, form and letter case,
// and every change of them is passed on to it.
TEST(Form1, BatchWindowInTheWindowsChoices) {
    FakeWindow window;
    window.index = 14;
    window.presenter.Combo1_Click();
    EXPECT_TRUE(window.Press({u'B', true}, KeyScope::Window));
    EXPECT_EQ(window.choices, (form3::Choices{14, {}, CaseStyle::Upper}));
    window.Choose(Box::Result, form1::FormValue{FormChoice::Subunit, 1});
    window.presenter.Command1_Click(2);
    window.Choose(Box::Amount, form1::WindowCommand::OpenBatch);
    WordingForm form;
    form.values[0] = 1;
    EXPECT_EQ(window.choices, (form3::Choices{14, form, CaseStyle::Lower}));
    EXPECT_EQ(window.log, u"batch batch ");
}

// The wording alone (Ctrl+Shift+C), or the Chinese capital of an amount in yuan (Ctrl+Shift+R),
// goes to the clipboard and the status bar says so. With none, or a clipboard that cannot be had,
// nothing is copied and the key beeps; with none the boxes' menus offer none.
TEST(Form1, Copying) {
    using enum form1::WindowCommand;
    const std::u16string title =
        u"Say Us Dollars One Thousand Two Hundred And Thirty Four & Fifty Cents Only";
    const struct {
        form1::WindowCommand command;
        std::size_t currency;
        std::u16string amount;
        bool locked;
        std::u16string copied;
        std::map<std::string, std::u16string, std::less<>> kept = {};
    } rows[] = {
        {CopyWording, 0, u"1234.5", false, title},
        {CopyWording, 0, u"1234.5", true, u""},
        {CopyWording, 0, u"1..5", false, u""},
        {CopyWording, 0, u"", false, u""},
        {CopyRmbCapital, 12, u"1409.5", false, u"人民币壹仟肆佰零玖元伍角整"},
        {CopyRmbCapital,
         12,
         u"1409.5",
         false,
         u"人民币壹仟肆佰零玖元伍角",
         {{"rmb-zheng-after-jiao", u"omit"}}},
        {CopyRmbCapital, 12, u"1..5", false, u""},
        {CopyRmbCapital, 12, u"", false, u""},
        {CopyRmbCapital, 0, u"1409.5", false, u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.amount) + std::to_string(row.currency));
        FakeWindow window(row.kept);
        window.index = row.currency;
        window.presenter.Combo1_Click();
        window.Type(row.amount);
        window.presenter.Command1_Click(1);
        window.clipboard = u"before";
        window.clipboardLocked = row.locked;
        EXPECT_EQ(window.Entry(Box::Amount, row.command).enabled,
                  row.locked || !row.copied.empty());
        window.Press({row.command == CopyWording ? u'C' : u'R', true, true}, KeyScope::Window);
        EXPECT_EQ(window.clipboard, row.copied.empty() ? u"before" : row.copied);
        EXPECT_EQ(window.log, row.copied.empty() ? u"beep " : u"已复制：" + row.copied + u' ');
    }
    // A note longer than the status bar's panel (7,860 twips: 78 characters here) is cut, with
    // "…" after what fits.
    FakeWindow window;
    window.Type(u"777777777777777.77");
    window.Choose(Box::Result, CopyWording);
    const std::u16string note = u"已复制：" + window.clipboard.value();
    EXPECT_EQ(window.log, note.substr(0, 77) + u"… ");
}

// A paste or a drop into the result box goes in while the box then holds at most 10,000
// characters, the selection it replaces not counted; a longer one is refused with a beep and a
// note.
TEST(Form1, ResultBoxPasteBound) {
    const struct {
        std::size_t held;
        form1::Selection selection;
        std::size_t pasted;
        bool taken;
    } rows[] = {
        {0, {0, 0}, 10000, true},         {0, {0, 0}, 10001, false},
        {9000, {9000, 9000}, 1000, true}, {9000, {9000, 9000}, 1001, false},
        {9000, {8000, 9000}, 2000, true}, {9000, {9000, 8001}, 2000, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.held) + " " + std::to_string(row.pasted));
        FakeWindow window;
        window.result.assign(row.held, u'x');
        window.selection = row.selection;
        EXPECT_EQ(window.presenter.Text2_Insert(row.pasted), row.taken);
        EXPECT_EQ(window.log, row.taken ? u"" : u"beep 输出框最多10000个字符，未粘贴 ");
    }
}

// The boxes' menus: the edit entries enabled as the box and the clipboard allow ("1" on, "0" off,
// "|" a separator), the wording alone last; a command goes to the box, but a paste into the
// amount box and copying the wording are the presenter's own.
TEST(Form1, Menus) {
    FakeWindow window;
    const auto entries = [&window](Box box) {
        std::u16string shown;
        for (const form1::MenuItem& item : window.presenter.MenuOf(box)) {
            shown += !item.action ? u'|' : item.enabled ? u'1' : u'0';
        }
        return shown;
    };
    EXPECT_EQ(entries(Box::Result), u"01|0000|0|0011|||0"); // then the forms and their default
    window.Type(u"12");
    window.selection = {2, 0};
    window.clipboard = u"3a4";
    EXPECT_EQ(entries(Box::Amount), u"10|1111|1|1011"); // its history is the presenter's
    using enum form1::EditCommand;
    window.Choose(Box::Amount, Paste);
    EXPECT_EQ(window.AmountWithCaret(), u"34|");
    for (const form1::MenuAction action : {form1::MenuAction(Undo), form1::MenuAction(SelectAll),
                                           form1::MenuAction(form1::WindowCommand::CopyWording)}) {
        window.presenter.MenuChosen(Box::Result, action);
    }
    window.Choose(Box::Amount, Undo);
    window.Choose(Box::Amount, Cut);
    window.Choose(Box::Amount, form1::WindowCommand::OpenHomePage); // in both boxes' menus
    window.Choose(Box::Result, form1::WindowCommand::OpenHomePage);
    EXPECT_EQ(window.AmountWithCaret() + window.log,
              u"|12已删除非金额字符：a result:0 result:6 已复制：SAY US DOLLARS THIRTY FOUR ONLY "
              u"amount:2 home home ");
    // Each key the menus show is the one that does it.
    EXPECT_EQ(window.Entry(Box::Amount, Redo).caption, u"重做(&R)\tCtrl+Y");
    EXPECT_EQ(window.Entry(Box::Result, form1::WindowCommand::CopyRmbCapital).caption,
              u"复制人民币大写\tCtrl+Shift+R");
    EXPECT_EQ(window.Entry(Box::Amount, form1::WindowCommand::OpenHomePage).caption,
              u"访问主页(&H)");
}

// The amount box's history, step by step: Ctrl+Z ("Z") goes back to the amount before the
// clerk's last edit, a run of keys or a paste ("P"), Ctrl+Y ("Y") forward again; the program's
// write-backs and refusals are no steps of their own, and a new edit ends the way forward.
TEST(Form1, UndoAndRedo) {
    // "Z" Ctrl+Z, "B" Alt+Backspace, "Y" Ctrl+Y, "S" Ctrl+Shift+Z.
    const std::map<char16_t, KeyStroke> keys = {{u'Z', {u'Z', true}},
                                                {u'B', {kBackspaceKey, false, false, true}},
                                                {u'Y', {u'Y', true}},
                                                {u'S', {u'Z', true, true}}};
    const std::pair<std::u16string, std::u16string> steps[] = {
        {u"P991,234.56", u"991,234.56|"},
        {u"^\b77", u"77|"},
        {u"P500", u"77500|"},
        {u"x", u"77500|"},
        {u"P" + std::u16string(30, u'9'), u"77500|"},
        {u"Z", u"77|"},
        {u"B", u"991,234.56|"},
        {u"Z", u"|"},
        {u"Z", u"|"},
        {u"Y", u"991,234.56|"},
        {u"S", u"77|"},
        {u"Y", u"77500|"},
        {u"Y", u"77500|"},
        {u"Z", u"77|"},
        {u"1", u"771|"},
        {u"Y", u"771|"},
        // Moving the caret ends a run of keys, as in every editor.
        {u"<9", u"9|771"},
        {u"2", u"92|771"},
        {u"Z", u"|771"},
        {u"Z", u"77|"},
    };
    FakeWindow window;
    for (const auto& [step, box] : steps) {
        if (keys.count(step[0])) {
            EXPECT_TRUE(window.Press(keys.at(step[0])));
        } else if (step.starts_with(u'P')) {
            window.Paste(step.substr(1));
        } else {
            window.Type(step);
        }
        EXPECT_EQ(window.AmountWithCaret(), box) << testing::PrintToString(step);
        EXPECT_EQ(window.result, DollarsResult(window.amount));
    }
    EXPECT_FALSE(window.Press({u'Z', true}, KeyScope::Window)); // the box's own key elsewhere
}

// The wording's forms in the result box's menu: each choice's values, the one in use checked;
// choosing one converts at once and is kept, as the letter case last chosen is; a window started
// with kept choices uses them, a damaged one reading as the design's; a choice that cannot be
// kept is said once and still holds.
TEST(Form1, WordingFormsAndCaseKept) {
    FakeWindow window;
    window.Type(u"1234.5");
    const auto chosen = [&window] {
        std::string values;
        for (const std::u16string_view forms : {u"英文格式", u"人民币大写格式"}) {
            for (const form1::MenuItem& menu : window.presenter.MenuOf(Box::Result)) {
                for (const form1::MenuItem& choice :
                     menu.caption == forms ? menu.submenu : std::vector<form1::MenuItem>{}) {
                    for (const form1::MenuItem& value : choice.submenu) {
                        values += *value.chosen ? '1' : '0';
                    }
                    values += ' ';
                }
            }
        }
        return values;
    };
    EXPECT_EQ(chosen(), "10000 100 100 10 10 10 10 10 10 ");
    // 辅币's third value, 二十一至九十九's second, and 整 after 角 left out; a value 辅币 does
    // not have changes nothing.
    for (const form1::FormValue value :
         {form1::FormValue{FormChoice::Subunit, 2}, form1::FormValue{FormChoice::Tens, 1},
          form1::FormValue{FormChoice::RmbZhengAfterJiao, 1}}) {
        window.Choose(Box::Result, value);
    }
    window.presenter.MenuChosen(Box::Result, form1::FormValue{FormChoice::Subunit, 9});
    window.presenter.Command1_Click(1);
    EXPECT_EQ(chosen(), "00100 100 100 10 01 10 10 10 01 ");
    window.Type(u"^\b12345.6");
    const std::u16string title =
        u"输入： Usd12,345.60\r\n输出： Say Us Dollars Twelve Thousand Three Hundred And "
        u"Forty-five And Cents Sixty Only";
    EXPECT_EQ(window.result, title);
    using Kept = std::map<std::string, std::u16string, std::less<>>;
    EXPECT_EQ(window.settings.values, (Kept{{"subunit", u"and-cents"},
                                            {"tens", u"hyphens"},
                                            {"rmb-zheng-after-jiao", u"omit"},
                                            {"case", u"title"}}));

    FakeWindow next(Kept{{"subunit", u"and-cents"},
                         {"tens", u"hyphens"},
                         {"case", u"title"},
                         {"opening", u"nonsense"},
                         {"closing", u"几"}});
    next.Type(u"12345.6");
    EXPECT_EQ(next.result, title);
    next.settings.locked = true;
    next.Choose(Box::Result, form1::WindowCommand::DefaultForms);
    next.presenter.Command1_Click(0);
    EXPECT_EQ(next.result, DollarsResult(u"12345.6"));
    EXPECT_EQ(next.log, u"无法保存所选格式，本次仍然有效 ");
}

// Outer sizes in twips as the window reports them: below the minimum the window is made larger
// unless the window system keeps its size; the boxes follow the resize rule; a minimised window
// is left alone.
TEST(Form1, Resizing) {
    // Reported, then after: width, height, sizable, minimised; then the layout's amount box
    // width (-1: not moved), list's left edge and result box's height.
    const struct {
        form1::OuterSize reported, after;
        int text1Width, combo1Left, text2Height;
    } rows[] = {
        {{8280, 4995}, {8280, 4995}, 3615, 4440, 3525},
        {{2010, 2010}, {5565, 3780}, 900, 1725, 2310},
        {{2010, 5000}, {5565, 5000}, 900, 1725, 3530},
        {{2010, 2010, false}, {2010, 2010, false}, -1, -1830, 540},
        {{40005, 3780}, {40005, 3780}, 35340, 36165, 2310},
        {{2010, 2010, true, true}, {2010, 2010, true, true}},
    };
    for (const auto& row : rows) {
        FakeWindow window;
        window.size = row.reported;
        window.presenter.Form_Resize();
        EXPECT_EQ(window.size.width, row.after.width);
        EXPECT_EQ(window.size.height, row.after.height);
        EXPECT_EQ(window.placed.has_value(), !row.after.minimised);
        if (window.placed) {
            EXPECT_EQ(window.placed->text1Width.value_or(-1), row.text1Width);
            EXPECT_EQ(window.placed->combo1Left, row.combo1Left);
            EXPECT_EQ(window.placed->text2Height, row.text2Height);
        }
    }
}

// The link's looks after the pointer's steps, each look set once: "m" a move over the link, "l"
// the pointer leaving it, "p" a move over Picture1, "1" and "2" a left and a right press, "u" a
// release, which opens the statement window, as F1 ("f") does; a click on the status bar's panel
// opens the home page, "n" a home page that could not be opened; "c" a copy the clipboard refused
// late.
TEST(Form1, LinkAndStatusBar) {
    const std::pair<std::string, std::u16string> rows[] = {
        {"mm", u"hover "},
        {"m1", u"hover red "},
        {"m2", u"hover "},
        {"m1u", u"hover red statement rest "},
        {"m2u", u"hover statement rest "},
        {"m1mpu", u"hover red hover rest statement "},
        {"1u", u"red upright statement rest "},
        {"ml", u"hover rest "},
        {"m1l", u"hover red "}, // held: the link still takes the pointer
        {"m1lul", u"hover red statement rest "},
        {"s", u"home "},
        {"n", u"无法打开主页：没有可用的浏览器 "},
        {"c", u"beep 无法复制：剪贴板不可用 "},
        {"f", u"statement "},
    };
    for (const auto& [steps, log] : rows) {
        FakeWindow window;
        for (const char step : steps) {
            step == 'm'   ? window.presenter.Label3_MouseMove()
            : step == 'l' ? window.presenter.Label3_MouseLeave()
            : step == 'n' ? window.presenter.HomePageNotOpened()
            : step == 'c' ? window.presenter.ClipboardRefused()
            : step == 'p' ? window.presenter.Picture1_MouseMove()
            : step == 'u' ? window.presenter.Label3_MouseUp()
            : step == 's' ? window.presenter.StatusBar1_PanelClick()
            : step == 'f' ? void(window.Press({kF1Key}, KeyScope::Window))
                          : window.presenter.Label3_MouseDown(step - '0');
        }
        EXPECT_EQ(window.log, log) << steps;
    }
}

// The statement window: one at most, shown restored and in front at every opening, built anew
// after it has closed; 确定 closes it, the picture and the address open the home page.
TEST(Form2, OpensOnceClosesAndLinks) {
    struct FakeStatement : form2::View {
        void ShowRestoredInFront() override { log += "shown "; }
        void Close() override { form2::Closed(*this), log += "closed "; }
        void OpenHomePage() override { log += "home "; }
        std::string log;
        form2::Presenter presenter{*this};
    };
    std::vector<std::unique_ptr<FakeStatement>> made;
    const auto open = [&] {
        return form2::Open([&] { return made.emplace_back(new FakeStatement).get(); });
    };
    EXPECT_EQ(open(), open());
    made[0]->presenter.Image1_Click();
    made[0]->presenter.Label4_Click();
    made[0]->presenter.Command1_Click();
    EXPECT_NE(open(), made[0].get());
    form2::Closed(*made[1]);
    EXPECT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0]->log, "shown shown home home closed ");
    EXPECT_EQ(made[1]->log, "shown ");
}

} // namespace
