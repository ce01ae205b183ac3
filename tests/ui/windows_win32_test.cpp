// The Windows front end's real windows, driven through their messages as Windows delivers a
// user's keys, pastes and clicks: what the wiring adds to the shared design, which is tested on
// its own. Runs under Wine on a virtual display.
#include "currency/currency_table.h"
#include "tests/ui/result_box.h"
#include "ui/link_look.h"
#include "ui/main/form1_design.h"
#include "ui/main/form1_win32.h"
#include "ui/statement/form2_design.h"
#include "ui/statement/form2_win32.h"
#include "ui/statement/open_home_page.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace qev;
using win32::TextOf;

namespace {

// The shell's calls, recorded so that no browser starts: owner, verb, address, show command, and
// whether parameters or a directory came too.
std::vector<std::string> shellCalls;
void RecordShellCall(NativeWindow owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int show) {
    shellCalls.push_back(std::to_string(owner) + ' ' + verb + ' ' + file + ' ' +
                         std::to_string(show) + (parameters || directory ? " and more" : ""));
}
// The home page opened on behalf of `owner`, shown as a normal window.
std::string HomePageCall(HWND owner) {
    return std::to_string(reinterpret_cast<NativeWindow>(owner)) + " open " + kMakerHomePage + ' ' +
           std::to_string(SW_SHOWNORMAL);
}

// Delivers what is queued, as the program's message loop does, without waiting.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            win32::Dispatch(message);
        }
    }
}

// A control by its design name: its id is its place in its window's design table.
template <typename Table>
HWND Control(HWND window, const Table& table, std::string_view name, int index = -1) {
    std::size_t place = 0;
    while (table[place].name != name || table[place].index != index) {
        ++place;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == win32::ControlId(place)) {
            return child;
        }
        if (const HWND inside = Control(child, table, name, index)) {
            return inside;
        }
    }
    return nullptr;
}

std::vector<HWND> StatementWindows() {
    std::vector<HWND> open;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, L"使用说明"));) {
        open.push_back(window);
    }
    return open;
}

// Characters as the keyboard gives them; '^' stands for Ctrl+A.
void Type(HWND box, std::u16string_view keys) {
    for (const char16_t key : keys) {
        SendMessageW(box, WM_CHAR, key == u'^' ? 1 : key, 1);
    }
}

void SetClipboard(HWND owner, std::u16string_view text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* copy = static_cast<char16_t*>(GlobalLock(memory));
    copy[text.copy(copy, text.size())] = u'\0';
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// The text colour and font a static control is drawn with.
struct Look {
    COLORREF colour;
    LOGFONTW font;
};
Look LookOf(HWND label) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    Look look{GetTextColor(dc), {}};
    DeleteDC(dc);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(LOGFONTW),
               &look.font);
    return look;
}

// A control's left, top, width and height in its parent's client area, in pixels.
std::array<int, 4> Pixels(HWND control) {
    const RECT rect = win32::ChildRect(control);
    return {int(rect.left), int(rect.top), int(rect.right - rect.left),
            int(rect.bottom - rect.top)};
}

class Windows : public testing::Test {
protected:
    static void SetUpTestSuite() { SetShellOpener(&RecordShellCall); }

    void SetUp() override {
        form = Form1::Create();
        ASSERT_TRUE(form);
        ShowWindow(form, SW_SHOWNORMAL);
        SetForegroundWindow(form);
        Pump();
        combo = Form1Control("Combo1");
        amountBox = Form1Control("Text1");
        resultBox = Form1Control("Text2");
        statusBar = Form1Control("StatusBar1");
        shellCalls.clear();
    }

    void TearDown() override {
        for (const HWND window : StatementWindows()) {
            DestroyWindow(window);
        }
        DestroyWindow(form);
        Pump();
    }

    HWND Form1Control(std::string_view name, int index = -1) const {
        return Control(form, form1::kControls, name, index);
    }

    // The outer size, frame and title bar included, in twips at 96 dpi.
    void Resize(int width, int height) const {
        SetWindowPos(form, nullptr, 0, 0, width / 15, height / 15, SWP_NOMOVE | SWP_NOZORDER);
    }

    // What the status bar shows: a note across it, or the panel's own text (Wine gives both as
    // part 0).
    std::u16string StatusText() const {
        std::u16string text(LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0)), u'\0');
        SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
        return text;
    }

    HWND form = nullptr, combo = nullptr, amountBox = nullptr, resultBox = nullptr,
         statusBar = nullptr;
};

TEST_F(Windows, StartUp) {
    EXPECT_EQ(TextOf(form), form1::kTitle);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(CurrencyRecords().size()));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(TextOf(combo), u"美国美元 US Dollars");
    EXPECT_EQ(TextOf(amountBox) + TextOf(resultBox), u"");
    EXPECT_TRUE(IsChild(combo, GetFocus())); // in the list's field
    EXPECT_EQ(StatusText(), u"Kestrune软件出品 www.kestrune.com");
    int panelRight = 0;
    EXPECT_EQ(SendMessageW(statusBar, SB_GETPARTS, 1, reinterpret_cast<LPARAM>(&panelRight)), 1);
    EXPECT_EQ(panelRight * 15, form1::kStatusPanelWidth);
    EXPECT_NE(GetClassLongPtrW(form, GCLP_HICON), 0);
    // The design's client area, unless a thin frame (Wine's) makes the outer height less than
    // the minimum.
    RECT client, outer;
    GetClientRect(form, &client);
    GetWindowRect(form, &outer);
    const int frameHeight = (outer.bottom - outer.top - client.bottom) * 15;
    EXPECT_EQ(client.right * 15, form1::kClientWidth);
    EXPECT_EQ(client.bottom * 15,
              std::max(form1::kClientHeight, form1::kMinOuterHeight - frameHeight));
    const auto [left, top, width, height] = Pixels(statusBar);
    EXPECT_EQ(top + height, client.bottom);
    EXPECT_EQ(height * 15, form1::ControlNamed("StatusBar1").place.height);
}

// At the design's outer size, at 96 dpi and after a move to a 144-dpi screen: every control at
// its design place (the result box as the resize rule makes it) and in its font at that DPI.
TEST_F(Windows, ControlsAtDesignPlacesInTheirFonts) {
    for (const UINT dpi : {96u, 144u}) {
        if (dpi != 96) {
            RECT offered;
            GetWindowRect(form, &offered);
            offered.right = offered.left + TwipsToPixels(8280, dpi);
            offered.bottom = offered.top + TwipsToPixels(3780, dpi);
            SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&offered));
        } else {
            Resize(8280, 3780);
        }
        for (form1::Control design : form1::kControls) {
            if (design.kind == form1::Kind::StatusBar) {
                continue; // docked, as StartUp shows
            }
            SCOPED_TRACE(std::string(design.name) + std::to_string(design.index) + " at " +
                         std::to_string(dpi));
            const HWND control = Form1Control(design.name, design.index);
            design.place.height += design.name == "Text2" ? 15 : 0;
            EXPECT_EQ(Pixels(control), (std::array{TwipsToPixels(design.place.left, dpi),
                                                   TwipsToPixels(design.place.top, dpi),
                                                   TwipsToPixels(design.place.width, dpi),
                                                   TwipsToPixels(design.place.height, dpi)}));
            const LOGFONTW font = LookOf(control).font;
            EXPECT_EQ(font.lfHeight, design.songFace ? -14 * int(dpi) / 96 : -12 * int(dpi) / 96);
            EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(font.lfFaceName)), u"宋体");
            EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
            EXPECT_EQ(font.lfUnderline, design.underline);
        }
    }
}

// The box with '|' at the caret before and after keys ("\b" Backspace, "^" Ctrl+A), or a paste of
// `input` by WM_PASTE or by Ctrl+V; past 22 characters the edit is refused and the status bar
// shows the note after a space (each note replacing the one before), until the panel comes back.
TEST_F(Windows, AmountBoxEdits) {
    enum How { Keys, Paste, CtrlV };
    const std::u16string full = u"1234567890123456789012";
    const struct {
        std::u16string start, input;
        How how;
        std::u16string box;
    } rows[] = {
        {u"12|", u"a- ", Keys, u"12|"},
        {u"|", u"1234.5", Keys, u"1234.5|"},
        {u"|", u".", Keys, u"0.|"},
        {u"0|.5", u"\b", Keys, u"0|.5"}, // the caret after the "0" put before the point
        {u"12|34", u"^7", Keys, u"7|"},
        {u"|", u"-a1 000\r\n000+", Paste, u"1000000|"},
        {u"1|9", u"(2,3)", Paste, u"12,3|9"},
        // Longer than an edit control holds unless told: the digits at its end still count.
        {u"|", u"1" + std::u16string(40000, u'x') + u"23", Paste, u"123|"},
        {u"|", u"USD " + full + u" only", CtrlV, full + u"|"},
        {u"123|4567890123456789012", u"1", Keys, u"123|4567890123456789012 金额最多22个字符"},
        {u"123456789012345|", u"123,456.78", Paste, u"123456789012345| 金额最多22个字符，未粘贴"},
        {u"123456789012345|", u"123,456.78", CtrlV, u"123456789012345| 金额最多22个字符，未粘贴"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.start + u" + " + row.input.substr(0, 30)));
        std::u16string start = row.start;
        const std::size_t caret = start.find(u'|');
        Type(amountBox, u"^\b"); // emptied
        Type(amountBox, start.erase(caret, 1));
        SendMessageW(amountBox, EM_SETSEL, caret, caret);
        if (row.how != Keys) {
            SetClipboard(form, row.input);
        }
        row.how == Paste   ? void(SendMessageW(amountBox, WM_PASTE, 0, 0))
        : row.how == CtrlV ? Type(amountBox, u"\x16") // Ctrl+V
                           : Type(amountBox, row.input);

        std::u16string box = TextOf(amountBox);
        DWORD end = 0;
        SendMessageW(amountBox, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(TextOf(resultBox), DollarsResult(box));
        box.insert(end, 1, u'|');
        if (SendMessageW(statusBar, SB_ISSIMPLE, 0, 0)) { // a note across the status bar
            box.append(u" ").append(StatusText());
        }
        EXPECT_EQ(box, row.box);
    }
    for (int wait = 0; wait < 200 && SendMessageW(statusBar, SB_ISSIMPLE, 0, 0); ++wait) {
        Sleep(50);
        Pump();
    }
    EXPECT_EQ(StatusText(), form1::StatusPanelText());
}

// Choosing an entry converts the amount, in upper case again; an entry beyond the table, or text
// typed into the list's field with Return, chooses nothing, and leaving the field shows the
// currency in use again.
TEST_F(Windows, ChoosingCurrency) {
    const std::u16string gbp = u"输入： GBP2.50\r\n输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW "
                               u"PENCE ONLY";
    const std::u16string unchanged = u"输入： usd7.00\r\n输出： say us dollars seven only";
    const std::u16string dollars = u"美国美元 US Dollars";
    const struct {
        int index;
        std::u16string typed, amount, result, shown;
    } rows[] = {
        {1, u"", u"2.5", gbp, u"英国英镑 Great Britain Pounds"},
        {1, u"", u"", gbp, u"英国英镑 Great Britain Pounds"},
        {static_cast<int>(CurrencyRecords().size()), u"", u"7", unchanged, dollars},
        {0, u"英国英镑 Great Britain Pounds\r", u"7", unchanged, dollars},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        TearDown(); // a new window for each row
        SetUp();
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"其他 Other"));
        Type(amountBox, row.amount);
        SendMessageW(Form1Control("Command1", 2), BM_CLICK, 0, 0);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof(parts);
        GetComboBoxInfo(combo, &parts);
        SetFocus(parts.hwndItem);
        if (row.typed.empty()) { // as the user chooses: the entry above, then the arrow key
            SendMessageW(combo, CB_SETCURSEL, row.index - 1, 0);
            SendMessageW(parts.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
        } else {
            Type(parts.hwndItem, row.typed);
        }
        SetFocus(amountBox);
        EXPECT_EQ(TextOf(combo), row.shown);
        if (row.amount.empty()) {
            EXPECT_EQ(TextOf(resultBox), u""); // nothing to convert yet
            Type(amountBox, u"2.5");
        }
        EXPECT_EQ(TextOf(resultBox), row.result);
    }
}

// `typed` goes at the end of the result box ("^" is Ctrl+A); then the buttons by index.
TEST_F(Windows, CaseButtons) {
    const std::u16string upper = u"输入： USD100.00\r\n输出： SAY US DOLLARS ONE HUNDRED ONLY",
                         title = u"输入： Usd100.00\r\n输出： Say Us Dollars One Hundred Only";
    const struct {
        std::u16string amount, typed;
        std::vector<int> presses;
        std::u16string result;
    } rows[] = {
        {u"100", u"", {2, 0}, upper},
        {u"100", u"  paid  ", {1}, title + u"  Paid"},
        {u"100", u"^paid", {0}, u"PAID"},
        {u"", u"", {0, 1, 2}, u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.typed));
        Type(amountBox, u"^\b");
        Type(amountBox, row.amount);
        const auto end = static_cast<WPARAM>(TextOf(resultBox).size());
        SendMessageW(resultBox, EM_SETSEL, end, end);
        Type(resultBox, row.typed);
        for (const int index : row.presses) {
            SendMessageW(Form1Control("Command1", index), BM_CLICK, 0, 0);
        }
        EXPECT_EQ(TextOf(resultBox), row.result);
    }
}

// Ctrl+Shift+C in either box puts the wording alone on the clipboard, as the box holds it, and
// the status bar says so; with no wording in the box nothing is copied.
TEST_F(Windows, CopyWording) {
    const struct {
        std::u16string amount;
        int button;
        bool inResultBox;
        std::u16string copied;
    } rows[] = {
        {u"1234.5", -1, false,
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY"},
        {u"1234.5", 1, true,
         u"Say Us Dollars One Thousand Two Hundred And Thirty Four & Fifty Cents Only"},
        {u"1..5", -1, false, u""},
        {u"", -1, true, u""},
    };
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.amount));
        SetClipboard(form, u"before");
        Type(amountBox, u"^\b");
        Type(amountBox, row.amount);
        if (row.button >= 0) {
            SendMessageW(Form1Control("Command1", row.button), BM_CLICK, 0, 0);
        }
        SetKeyboardState(keys);
        SendMessageW(row.inResultBox ? resultBox : amountBox, WM_KEYDOWN, 'C', 1);
        BYTE none[256] = {};
        SetKeyboardState(none);
        ASSERT_TRUE(OpenClipboard(form));
        const auto* units =
            static_cast<const char16_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
        const std::u16string clipboard = units ? units : u"";
        GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
        CloseClipboard();
        EXPECT_EQ(clipboard, row.copied.empty() ? u"before" : row.copied);
        if (!row.copied.empty()) {
            EXPECT_TRUE(StatusText().starts_with(u"已复制：" + row.copied.substr(0, 20)));
        }
    }
}

// Outer sizes in twips, as a user drags: never below the minimum; the amount box 105 twips left
// of the list (or its width kept where the rule leaves it), the list and the result box 225
// twips left of the outer right edge, the result box 930 above the outer bottom edge: the real
// frame counts.
TEST_F(Windows, Resizing) {
    const std::vector<std::pair<int, int>> sizes = {
        {8280, 3780}, {8280, 4995},  {2010, 2010},           {4665, 3780}, {4995, 3780},
        {4005, 3780}, {40005, 3780}, {0, 0} /* maximised */, {-1, -1} /* restored */};
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const int amountBoxWidth = Pixels(amountBox)[2] * 15;
        width > 0 ? Resize(width, height)
                  : void(ShowWindow(form, width ? SW_RESTORE : SW_MAXIMIZE));
        Pump();
        RECT outer;
        GetWindowRect(form, &outer);
        const int w = (outer.right - outer.left) * 15, h = (outer.bottom - outer.top) * 15;
        if (width > 0) {
            EXPECT_EQ(w, std::max(width, form1::kMinOuterWidth));
            EXPECT_EQ(h, std::max(height, form1::kMinOuterHeight));
        }
        const auto twips = [](HWND control) { // at 96 dpi
            std::array<int, 4> place = Pixels(control);
            std::ranges::for_each(place, [](int& value) { value *= 15; });
            return place;
        };
        const auto text1 = twips(amountBox), combo1 = twips(combo), text2 = twips(resultBox);
        EXPECT_EQ(text1[0] + text1[2], w >= 4665 ? combo1[0] - 105 : 720 + amountBoxWidth);
        EXPECT_EQ(combo1[0] + combo1[2], w - 225);
        EXPECT_EQ(text2[0] + text2[2], w - 225);
        EXPECT_EQ(text2[1] + text2[3], h - 930);
    }
}

// Pointer steps from Picture1: a move over the "link" or "picture", a press or release where the
// pointer is, or wherever a press on the link has captured it, as Windows routes them.
TEST_F(Windows, LinkLooks) {
    const LinkLook red = LinkPressed(kLinkHovered, 1);
    const struct {
        std::vector<std::string> steps;
        LinkLook look;
        bool opened;
    } rows[] = {
        {{}, kLinkAtRest, false},
        {{"link"}, kLinkHovered, false},
        {{"link", "press left"}, red, false},
        {{"link", "press right"}, kLinkHovered, false},
        {{"link", "press left", "release left"}, kLinkAtRest, true},
        {{"link", "press middle", "release middle"}, kLinkAtRest, true},
        {{"link", "press left", "picture", "release left"}, kLinkAtRest, true},
        {{"link", "picture"}, kLinkAtRest, false},
        {{"link", "release left"}, kLinkHovered, false}, // a press begun elsewhere
    };
    const HWND link = Form1Control("Label3"), picture = Form1Control("Picture1");
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.steps));
        ReleaseCapture();
        HWND over = picture;
        SendMessageW(picture, WM_MOUSEMOVE, 0, 0);
        for (const std::string& step : row.steps) {
            const bool move = step == "link" || step == "picture";
            over = move ? (step == "link" ? link : picture) : over;
            const UINT button = step.ends_with("left")    ? WM_LBUTTONDOWN
                                : step.ends_with("right") ? WM_RBUTTONDOWN
                                                          : WM_MBUTTONDOWN;
            const UINT message = move                        ? WM_MOUSEMOVE
                                 : step.starts_with("press") ? button
                                                             : button + 1; // the button's up
            SendMessageW(GetCapture() ? GetCapture() : over, message, 0, 0);
        }
        const Look look = LookOf(link);
        EXPECT_EQ(look.colour, win32::ColourRef(row.look.colour));
        EXPECT_EQ(bool(look.font.lfItalic), row.look.italic);
        EXPECT_TRUE(look.font.lfUnderline);
        EXPECT_EQ(StatementWindows().size(), row.opened ? 1u : 0u);
        for (const HWND window : StatementWindows()) {
            DestroyWindow(window);
        }
    }
}

// Opened twice, the one statement window comes back restored and in front, the focus on 确定;
// Enter and Escape leave it open, 确定 closes it.
TEST_F(Windows, StatementWindowOpensOnce) {
    const HWND link = Form1Control("Label3");
    SendMessageW(link, WM_LBUTTONDOWN, 0, 0);
    SendMessageW(link, WM_LBUTTONUP, 0, 0);
    const std::vector<HWND> open = StatementWindows();
    ASSERT_EQ(open.size(), 1u);
    ShowWindow(open[0], SW_MINIMIZE);
    SetForegroundWindow(form);
    SendMessageW(link, WM_LBUTTONDOWN, 0, 0);
    SendMessageW(link, WM_LBUTTONUP, 0, 0);
    Pump();
    EXPECT_EQ(StatementWindows(), open);
    EXPECT_FALSE(IsIconic(open[0]));
    EXPECT_EQ(GetForegroundWindow(), open[0]);
    const HWND ok = Control(open[0], form2::kControls, "Command1");
    EXPECT_EQ(GetFocus(), ok);

    // A fixed tool window of the design's size that no window owns, the address blue and
    // underlined.
    EXPECT_EQ(GetWindow(open[0], GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongW(open[0], GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(open[0], GWL_STYLE) &
                 (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client;
    GetClientRect(open[0], &client);
    EXPECT_EQ(client.right * 15, form2::kClientWidth);
    EXPECT_EQ(client.bottom * 15, form2::kClientHeight);
    const Look address = LookOf(Control(open[0], form2::kControls, "Label4"));
    EXPECT_EQ(address.colour, form2::kAddressColour);
    EXPECT_TRUE(address.font.lfUnderline);

    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageW(ok, WM_KEYDOWN, key, 0);
        Pump();
    }
    EXPECT_TRUE(IsWindow(open[0]));
    SendMessageW(ok, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(open[0]));
}

// The picture, the address and the status bar's panel open the home page on behalf of their own
// window; the status bar beyond its panel, or showing a note, does not.
TEST_F(Windows, LinksOpenTheHomePage) {
    const auto click = [](HWND control, int x) {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    };
    click(statusBar, 530);
    click(statusBar, 10);
    const HWND statement = Form2::Open();
    click(Control(statement, form2::kControls, "Image1"), 10);
    click(Control(statement, form2::kControls, "Label4"), 10);
    click(statusBar, 10);
    Type(amountBox, std::u16string(23, u'1'));
    click(statusBar, 10);
    EXPECT_EQ(shellCalls, (std::vector{HomePageCall(form), HomePageCall(statement),
                                       HomePageCall(statement), HomePageCall(form)}));
}

// The program ends when its last window closes, the main window or the statement window.
TEST_F(Windows, ProgramEndsWithItsLastWindow) {
    const HWND statement = Form2::Open();
    Pump();
    MSG quit;
    DestroyWindow(form);
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(IsWindowVisible(statement));
    SendMessageW(statement, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
