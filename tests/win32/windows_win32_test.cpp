// The Windows front end's real windows, driven through their messages as Windows delivers a
// user's keys, pastes and clicks: what the wiring adds to the presenters, whose behaviour is
// tested on its own. Runs under Wine on a virtual display.
#include "currency/currency_table.h"
#include "tests/ui/result_box.h"
#include "ui/accessible_names.h"
#include "ui/form2_design.h"
#include "ui/form3_design.h"
#include "ui/open_home_page.h"
#include "win32/form1_win32.h"
#include "win32/form2_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>

using namespace qev;
using win32::TextOf;

namespace {

// The shell's calls, recorded so that no browser starts: owner and address.
std::vector<std::string> shellCalls;
void RecordShellCall(NativeWindow owner, const char* address, const OpenFailed&) {
    shellCalls.push_back(std::to_string(owner) + ' ' + address);
}

// Where the window keeps its choices between runs.
constexpr wchar_t kKept[] = L"Software\\Kestrune\\QEV英文金额大写转换工具";

// Delivers what is queued, as the program's message loop does, without waiting.
void Pump() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        if (message.message != WM_QUIT) {
            win32::Dispatch(message);
        }
    }
}

// A control by its design name: its id is its place in its window's design table; Label3 is
// inside Picture1.
template <typename Table>
HWND Control(HWND window, const Table& table, std::string_view name, int index = -1) {
    const auto place = std::find_if(table.begin(), table.end(), [&](const auto& control) {
        if constexpr (requires { control.index; }) {
            return control.name == name && control.index == index;
        }
        return control.name == name;
    });
    const int id = win32::ControlId(static_cast<std::size_t>(place - table.begin()));
    HWND found = GetDlgItem(window, id);
    for (HWND child = GetWindow(window, GW_CHILD); !found && child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        found = GetDlgItem(child, id);
    }
    return found;
}

// Characters as the keyboard gives them; '^' stands for Ctrl+A.
void Type(HWND box, std::u16string_view keys) {
    for (const char16_t key : keys) {
        SendMessageW(box, WM_CHAR, key == u'^' ? 1 : key, 1);
    }
}

// A key pressed with modifiers held, through the message loop as the keyboard delivers it: the
// window's keys, then the characters the keyboard makes of the rest.
void Press(HWND target, WORD key, bool ctrl = false, bool shift = false, bool alt = false) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? 1 << 29 | 1 : 1);
    Pump();
    keys[VK_CONTROL] = keys[VK_SHIFT] = keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

std::u16string Clipboard(HWND owner, std::optional<std::u16string_view> text = {}) {
    OpenClipboard(owner);
    if (text) {
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text->size() + 1) * sizeof(char16_t));
        auto* copy = static_cast<char16_t*>(GlobalLock(memory));
        copy[text->copy(copy, text->size())] = u'\0';
        GlobalUnlock(memory);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::u16string held = static_cast<const char16_t*>(GlobalLock(data));
    GlobalUnlock(data);
    CloseClipboard();
    return held;
}

// The entries of the popup menu that `open` shows, read as it opens; then the entry whose
// mnemonic is `choose` is chosen, or none.
std::vector<std::u16string> MenuShownBy(const std::function<void()>& open, wchar_t choose = 0) {
    static std::vector<std::u16string> shown;
    static wchar_t chosen;
    shown.clear();
    chosen = choose;
    const HHOOK hook = SetWindowsHookExW(
        WH_MSGFILTER,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const HWND popup = FindWindowW(L"#32768", nullptr);
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            const int count = code == MSGF_MENU && shown.empty() ? GetMenuItemCount(menu) : 0;
            for (int i = 0; i < count; ++i) {
                wchar_t text[64] = {};
                GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                shown.push_back(reinterpret_cast<const char16_t*>(text));
            }
            if (count > 0 && chosen) {
                PostMessageW(popup, WM_CHAR, chosen, 0);
            } else if (count > 0) {
                EndMenu();
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    // A timer's message wakes the menu's loop, should nothing else come to it.
    const UINT_PTR wake = SetTimer(nullptr, 0, 10, nullptr);
    open();
    KillTimer(nullptr, wake);
    UnhookWindowsHookEx(hook);
    return shown;
}

// The text colour and font a static control is drawn with.
std::pair<COLORREF, LOGFONTW> LookOf(HWND label) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    std::pair<COLORREF, LOGFONTW> look{GetTextColor(dc), {}};
    DeleteDC(dc);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(LOGFONTW),
               &look.second);
    return look;
}

// A control's left, top, width and height in its parent's client area, in pixels.
std::array<long, 4> Pixels(HWND control) {
    const RECT rect = win32::ChildRect(control);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// What Windows' accessibility interfaces report of a control, as a screen reader reads it: its
// name, role and description.
struct Reported {
    std::u16string name, description;
    LONG role = 0;
    bool operator==(const Reported&) const = default;
};
Reported ReportedBy(HWND control) {
    Reported reported;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return reported;
    }
    VARIANT self{}, role{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (const auto& [read, text] :
         {std::pair{&IAccessible::get_accName, &reported.name},
          std::pair{&IAccessible::get_accDescription, &reported.description}}) {
        BSTR said = nullptr;
        if ((object->*read)(self, &said) == S_OK && said) {
            *text = reinterpret_cast<const char16_t*>(said);
        }
        SysFreeString(said);
    }
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) {
        reported.role = role.lVal;
    }
    object->Release();
    return reported;
}

// The texts a control held each time Windows' accessibility events told a screen reader that its
// value changed, heard out of context, as a reader hears them, as the messages are pumped.
class ValueChanges {
public:
    explicit ValueChanges(HWND control)
        : hook_(SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &Heard,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        watched = control;
        heard.clear();
    }
    ~ValueChanges() { UnhookWinEvent(hook_); }
    static inline HWND watched = nullptr;
    static inline std::vector<std::u16string> heard;

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD,
                               DWORD) {
        if (control == watched && object == OBJID_CLIENT && child == CHILDID_SELF) {
            heard.push_back(TextOf(control));
        }
    }
    HWINEVENTHOOK hook_;
};

class Windows : public testing::Test {
protected:
    void SetUp() override {
        SetShellOpener(&RecordShellCall);
        shellCalls.clear();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKept); // no choice kept from a run before
        Open();
    }
    void Open() {
        form = Form1::Create();
        ShowWindow(form, SW_SHOWNORMAL);
        SetForegroundWindow(form);
        Pump();
        combo = Form1Control("Combo1");
        amountBox = Form1Control("Text1");
        resultBox = Form1Control("Text2");
        statusBar = Form1Control("StatusBar1");
    }
    void TearDown() override {
        for (const wchar_t* title : {L"使用说明", L"批量转换"}) {
            for (HWND window; (window = FindWindowExW(nullptr, nullptr, nullptr, title));) {
                DestroyWindow(window);
            }
        }
        DestroyWindow(form);
        Pump();
    }
    HWND Form1Control(std::string_view name, int index = -1) const {
        return Control(form, form1::kControls, name, index);
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

// At start-up, then after a move to a 144-dpi screen: every control at its design place (the
// result box as the resize rule makes it, the status bar docked at the design's height) and in
// its font at that DPI.
TEST_F(Windows, StartUpAndDpiChange) {
    EXPECT_EQ(TextOf(form), form1::kTitle);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), LRESULT(CurrencyRecords().size()));
    EXPECT_EQ(TextOf(combo), u"美国美元 US Dollars");
    EXPECT_TRUE(IsChild(combo, GetFocus())); // in the list's field
    EXPECT_EQ(StatusText(), u"Kestrune软件出品 www.kestrune.com");
    int panelRight = 0;
    SendMessageW(statusBar, SB_GETPARTS, 1, reinterpret_cast<LPARAM>(&panelRight));
    EXPECT_EQ(panelRight * 15, form1::kStatusPanelWidth);
    EXPECT_NE(GetClassLongPtrW(form, GCLP_HICON), 0);
    for (const UINT dpi : {96u, 144u}) {
        RECT offered;
        GetWindowRect(form, &offered);
        offered.right = offered.left + TwipsToPixels(8280, dpi);
        offered.bottom = offered.top + TwipsToPixels(3780, dpi);
        SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&offered));
        RECT client;
        GetClientRect(form, &client);
        EXPECT_EQ(Pixels(statusBar)[1] + Pixels(statusBar)[3], client.bottom);
        EXPECT_EQ(Pixels(statusBar)[3], TwipsToPixels(375, dpi));
        for (form1::Control design : form1::kControls) {
            SCOPED_TRACE(std::string(design.name) + std::to_string(design.index) + " at " +
                         std::to_string(dpi));
            const HWND control = Form1Control(design.name, design.index);
            design.place.height += design.name == "Text2" ? 15 : 0;
            const auto [left, top, width, height] = design.place;
            if (design.kind != form1::Kind::StatusBar) {
                EXPECT_EQ(
                    Pixels(control),
                    (std::array<long, 4>{TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
                                         TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)}));
            }
            const LOGFONTW font = LookOf(control).second;
            EXPECT_EQ(font.lfHeight, design.songFace ? -14 * int(dpi) / 96 : -12 * int(dpi) / 96);
            EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(font.lfFaceName)), u"宋体");
            EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
            EXPECT_EQ(font.lfUnderline, design.name == "Label3"); // the link alone
        }
    }
}

// Each message of the window reaching the presenter, and each of its calls the real controls,
// one step after another.
TEST_F(Windows, EventsAndViewCalls) {
    const HWND link = Form1Control("Label3");
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(combo, &parts);
    const auto amount = [&] {
        DWORD end = 0;
        SendMessageW(amountBox, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        return TextOf(amountBox).insert(end, 1, u'|');
    };
    const auto linkLooks = [&](LinkLook look) {
        const auto [colour, font] = LookOf(link);
        return colour == win32::ColourRef(look.colour) && bool(font.lfItalic) == look.italic;
    };
    const auto click = [](HWND control, int x) {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    };

    click(statusBar, 530); // the status bar's panel, and beyond it
    click(statusBar, 10);
    EXPECT_EQ(shellCalls, std::vector{std::to_string(NativeWindow(form)) + ' ' + kMakerHomePage});
    SetShellOpener([](NativeWindow, const char*, const OpenFailed& failed) { failed(); });
    click(statusBar, 10); // no browser to take it: the status bar says so
    EXPECT_EQ(StatusText(), u"无法打开主页：没有可用的浏览器");
    SetShellOpener(&RecordShellCall);
    Type(amountBox, u"12a"); // keys, and an input method's text
    SendMessageW(amountBox, WM_IME_CHAR, u'元', 1);
    EXPECT_EQ(amount(), u"12|");
    EXPECT_EQ(TextOf(resultBox), DollarsResult(u"12"));
    Clipboard(form, std::u16string(10001, u'A')); // too long for the result box
    SendMessageW(resultBox, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(resultBox), DollarsResult(u"12"));
    EXPECT_EQ(StatusText(), u"输出框最多10000个字符，未粘贴");
    Clipboard(form, u"3"); // WM_PASTE: the caret after the paste
    SendMessageW(amountBox, EM_SETSEL, 1, 1);
    SendMessageW(amountBox, WM_PASTE, 0, 0);
    EXPECT_EQ(amount(), u"13|2");
    Clipboard(form, u"4"); // Ctrl+V, then Ctrl+Z, Ctrl+Y, Alt+Backspace and Ctrl+Shift+Z
    Press(amountBox, 'V', true);
    EXPECT_EQ(amount(), u"134|2");
    const std::pair<std::function<void()>, std::u16string> steps[] = {
        {[&] { Press(amountBox, 'Z', true); }, u"13|2"},
        {[&] { Press(amountBox, 'Y', true); }, u"134|2"},
        {[&] { Press(amountBox, VK_BACK, false, false, true); }, u"13|2"},
        {[&] { Press(amountBox, 'Z', true, true); }, u"134|2"},
        {[&] { Press(amountBox, 'Z', true); }, u"13|2"},
    };
    for (const auto& [press, box] : steps) {
        press();
        EXPECT_EQ(amount(), box);
    }
    // Both boxes' menus in the program's words, copying the wording alone among them.
    for (const HWND box : {amountBox, resultBox}) {
        const auto menu =
            MenuShownBy([box] { SendMessageW(box, WM_CONTEXTMENU, WPARAM(box), -1); });
        EXPECT_NE(std::find(menu.begin(), menu.end(), u"复制英文大写\tCtrl+Shift+C"), menu.end());
    }

    SetFocus(parts.hwndItem); // an entry chosen with the arrow key
    SendMessageW(parts.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(TextOf(resultBox), AmountToWords(u"132", CurrencyAt(1)).text);
    SetWindowTextW(parts.hwndItem, L"xyz"); // text typed into the field, then left
    SetFocus(amountBox);
    EXPECT_EQ(TextOf(combo), u"英国英镑 Great Britain Pounds");
    SetFocus(parts.hwndItem);
    SetWindowTextW(parts.hwndItem, L"eur");
    PostMessageW(parts.hwndItem, WM_KEYDOWN, VK_RETURN, 0); // Enter, through the message loop
    Pump();
    EXPECT_EQ(TextOf(resultBox), AmountToWords(u"132", CurrencyAt(14)).text);
    // The list drops down wide enough for its longest entry, within the screen.
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
    SIZE widest{};
    GetTextExtentPoint32W(dc, win32::Wide(ListEntryText(141)).c_str(),
                          int(ListEntryText(141).size()), &widest);
    DeleteDC(dc);
    EXPECT_GT(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), widest.cx);
    // Near the screen's right edge it drops no further than the edge.
    RECT where, screen;
    GetWindowRect(form, &where);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    SetWindowPos(form, nullptr, screen.right - 600, where.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    RECT list;
    GetWindowRect(combo, &list);
    EXPECT_LE(list.left + SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), screen.right);
    SetWindowPos(form, nullptr, where.left, where.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    // A case button, then Ctrl+Shift+C with the focus on it: a key of the whole window.
    SendMessageW(Form1Control("Command1", 1), BM_CLICK, 0, 0);
    SetFocus(Form1Control("Command1", 1));
    Press(Form1Control("Command1", 1), 'C', true, true);
    const std::u16string wording = u"Say Euros One Hundred And Thirty Two Only";
    EXPECT_EQ(Clipboard(form), wording);
    EXPECT_EQ(StatusText(), u"已复制：" + wording);
    Type(resultBox, u"^paid"); // the clerk's own words in the result box
    EXPECT_EQ(TextOf(resultBox), u"paid");
    SetFocus(resultBox); // Tab from the result box to ABC, then Enter presses it
    Press(resultBox, VK_TAB);
    EXPECT_EQ(GetFocus(), Form1Control("Command1", 0));
    Press(GetFocus(), VK_RETURN);
    EXPECT_EQ(TextOf(resultBox), u"PAID");

    SetWindowPos(form, nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER); // below the minimum
    RECT outer, bar, update;
    GetWindowRect(form, &outer);
    EXPECT_EQ((outer.right - outer.left) * 15, form1::kMinOuterWidth);
    EXPECT_EQ((outer.bottom - outer.top) * 15, form1::kMinOuterHeight);
    EXPECT_EQ(Pixels(combo)[0] * 15,
              form1::LayOut(form1::kMinOuterWidth, form1::kMinOuterHeight).combo1Left);
    Pump();
    SetWindowPos(form, nullptr, 0, 50, 700, 300, SWP_NOZORDER); // the whole bar anew
    EXPECT_EQ((Pixels(resultBox)[1] + Pixels(resultBox)[3]) * 15, 300 * 15 - 930);
    GetClientRect(statusBar, &bar);
    GetUpdateRect(statusBar, &update, FALSE);
    EXPECT_TRUE(EqualRect(&bar, &update));

    SendMessageW(link, WM_MOUSEMOVE, 0, 0); // the link's looks
    EXPECT_TRUE(linkLooks(kLinkHovered));
    SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(linkLooks(kLinkAtRest));
    SendMessageW(link, WM_MOUSEMOVE, 0, 0);
    SendMessageW(link, WM_MBUTTONDOWN, 0, 0); // a middle press captures the pointer
    EXPECT_TRUE(linkLooks(kLinkHovered) && GetCapture() == link);
    SendMessageW(link, WM_MBUTTONUP, 0, 0);
    EXPECT_TRUE(linkLooks(kLinkAtRest) && FindWindowW(nullptr, L"使用说明"));
    SendMessageW(link, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(linkLooks(LinkPressed(kLinkAtRest, 1)));
    ReleaseCapture();
    SendMessageW(Form1Control("Picture1"), WM_MOUSEMOVE, 0, 0);
    EXPECT_TRUE(linkLooks(kLinkAtRest));
    // Its underline drawn, in a face taller than the design's (Wine's stand-in for SimSun) too:
    // a line of the text's colour across the label's bottom rows.
    UpdateWindow(form);
    const HDC window = GetDC(link);
    const auto [left, top, width, height] = Pixels(link);
    int longest = 0;
    for (int y = height - 2; y < height; ++y) {
        for (int x = 0, run = 0; x < width; ++x) {
            run = GetPixel(window, x, y) == win32::ColourRef(kLinkAtRest.colour) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    ReleaseDC(link, window);
    EXPECT_GE(longest, width * 2 / 3);
}

// A value of the forms' menu and the letter case are kept in the registry, and read by the next
// window; a value of the wrong type reads as the design's; the result box's menu holds the forms;
// Ctrl+Shift+R copies the Chinese capital for the yuan.
TEST_F(Windows, KeptChoicesAndRmbCapital) {
    const std::wstring total = L"say-total";
    const DWORD number = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKept, L"opening", REG_SZ, total.c_str(), 20);
    RegSetKeyValueW(HKEY_CURRENT_USER, kKept, L"closing", REG_DWORD, &number, sizeof(number));
    TearDown();
    Open(); // a new run
    SendMessageW(Form1Control("Command1", 2), BM_CLICK, 0, 0);
    SetWindowTextW(amountBox, L"1409.5");
    const std::vector<std::u16string> menu = MenuShownBy(
        [this] { SendMessageW(resultBox, WM_CONTEXTMENU, WPARAM(resultBox), -1); }, L'a');
    EXPECT_NE(std::find(menu.begin(), menu.end(), u"英文格式"), menu.end());
    DWORD start = 1, end = 0; // 全选, chosen from the menu
    SendMessageW(resultBox, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(end - start, TextOf(resultBox).size());
    EXPECT_EQ(TextOf(resultBox),
              u"输入： usd1,409.50\r\n输出： say total us dollars one thousand four "
              u"hundred and nine & fifty cents only");
    wchar_t kept[16] = {};
    DWORD size = sizeof(kept);
    RegGetValueW(HKEY_CURRENT_USER, kKept, L"case", RRF_RT_REG_SZ, nullptr, kept, &size);
    EXPECT_EQ(std::wstring(kept), L"lower");

    SendMessageW(combo, CB_SETCURSEL, 12, 0); // the Chinese yuan, then Ctrl+Shift+R
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
    Press(amountBox, 'R', true, true);
    EXPECT_EQ(Clipboard(form), u"人民币壹仟肆佰零玖元伍角整");
}

// Ctrl+B opens the batch window, the focus in its amount column; four rows pasted there, one
// blank and one that cannot be written out, then Ctrl+Shift+C: four lines on the clipboard, with
// Windows' line breaks; the result column scrolls with the amounts.
TEST_F(Windows, BatchWindow) {
    Press(amountBox, 'B', true);
    const HWND batch = FindWindowW(nullptr, L"批量转换");
    ASSERT_TRUE(batch);
    const HWND amounts = Control(batch, form3::kControls, "Text1");
    const HWND results = Control(batch, form3::kControls, "Text2");
    EXPECT_EQ(GetFocus(), amounts);
    Clipboard(form, u"1\r\n\r\nabc\r\n$1,234.50");
    {
        const ValueChanges told(results); // the paste's rows told to a screen reader once
        Press(amounts, 'V', true);
        EXPECT_EQ(told.heard.size(), 1u);
    }
    Press(amounts, 'C', true, true);
    EXPECT_EQ(Clipboard(form), u"SAY US DOLLARS ONE ONLY\r\n\r\n无法转换：没有这种货币代码\r\n"
                               u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY "
                               u"CENTS ONLY");
    std::u16string many;
    for (int i = 0; i < 300; ++i) {
        many += u"7\r\n";
    }
    Clipboard(form, many);
    SendMessageW(amounts, EM_SETSEL, 0, -1);
    Press(amounts, 'V', true);
    SendMessageW(amounts, WM_VSCROLL, SB_PAGEDOWN, 0);
    Pump();
    EXPECT_GT(SendMessageW(results, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(SendMessageW(results, EM_GETFIRSTVISIBLELINE, 0, 0),
              SendMessageW(amounts, EM_GETFIRSTVISIBLELINE, 0, 0));
}

// The statement window: opened again, the one window comes back restored and in front, the
// focus on 确定; a fixed tool window of the design's size that no window owns, the address blue
// and underlined; its links open the home page for it; Escape leaves it open, Enter on 确定
// closes it; and the program ends with its last window, whichever it is.
TEST_F(Windows, StatementWindow) {
    const HWND open = Form2::Open();
    ShowWindow(open, SW_MINIMIZE);
    SetForegroundWindow(form);
    EXPECT_EQ(Form2::Open(), open);
    Pump();
    EXPECT_FALSE(IsIconic(open));
    EXPECT_EQ(GetForegroundWindow(), open);
    const HWND ok = Control(open, form2::kControls, "Command1");
    EXPECT_EQ(GetFocus(), ok);
    EXPECT_EQ(GetWindow(open, GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongW(open, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(open, GWL_STYLE) &
                 (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client;
    GetClientRect(open, &client);
    EXPECT_EQ(client.right * 15, form2::kClientWidth);
    EXPECT_EQ(client.bottom * 15, form2::kClientHeight);
    const auto [colour, font] = LookOf(Control(open, form2::kControls, "Label4"));
    EXPECT_EQ(colour, form2::kAddressColour);
    EXPECT_TRUE(font.lfUnderline);
    for (const char* name : {"Image1", "Label4"}) {
        SendMessageW(Control(open, form2::kControls, name), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(Control(open, form2::kControls, name), WM_LBUTTONUP, 0, 0);
    }
    EXPECT_EQ(shellCalls,
              std::vector(2, std::to_string(NativeWindow(open)) + ' ' + kMakerHomePage));
    PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_TRUE(IsWindow(open));
    PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0); // Enter presses the button with the focus
    Pump();
    EXPECT_FALSE(IsWindow(open));

    const HWND statement = Form2::Open();
    MSG quit;
    DestroyWindow(form);
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    SendMessageW(statement, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Every control of the three windows reports to Windows' accessibility interfaces the name, role
// and description a screen reader says: the case buttons what they do, the links that they are
// links, the currency list's field the list's name.
TEST_F(Windows, NamesAndRoles) {
    const std::map<AccessibleRole, LONG> roles = {
        {AccessibleRole::Label, ROLE_SYSTEM_STATICTEXT},
        {AccessibleRole::Pane, ROLE_SYSTEM_CLIENT},
        {AccessibleRole::Grouping, ROLE_SYSTEM_GROUPING},
        {AccessibleRole::Text, ROLE_SYSTEM_TEXT},
        {AccessibleRole::ComboBox, ROLE_SYSTEM_COMBOBOX},
        {AccessibleRole::Button, ROLE_SYSTEM_PUSHBUTTON},
        {AccessibleRole::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
        {AccessibleRole::Link, ROLE_SYSTEM_LINK},
        {AccessibleRole::StatusBar, ROLE_SYSTEM_STATUSBAR},
    };
    const HWND statement = Form2::Open(), batch = Form3::Open({});
    for (const AccessibleControl& entry : kAccessibleControls) {
        if (entry.control == "StatusBar1Panel") { // a part of the status bar here
            continue;
        }
        SCOPED_TRACE(std::string(entry.window) + ' ' + std::string(entry.control) + ' ' +
                     std::to_string(entry.index));
        const HWND control = entry.window == "Form1" ? Form1Control(entry.control, entry.index)
                             : entry.window == "Form2"
                                 ? Control(statement, form2::kControls, entry.control, entry.index)
                                 : Control(batch, form3::kControls, entry.control);
        ASSERT_TRUE(control);
        EXPECT_EQ(ReportedBy(control),
                  (Reported{std::u16string(entry.name), std::u16string(entry.description),
                            roles.at(entry.role)}));
    }
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(combo, &parts);
    EXPECT_EQ(ReportedBy(parts.hwndItem), (Reported{u"币种", u"", ROLE_SYSTEM_TEXT}));
}

// A changed result is told to a screen reader once, as the result box's new value; a result that
// would not change the box is not told.
TEST_F(Windows, ResultChangeAnnounced) {
    const ValueChanges told(resultBox);
    const std::function<void()> steps[] = {
        [&] { SetWindowTextW(amountBox, L"7"); },
        [&] { SendMessageW(Form1Control("Command1", 0), BM_CLICK, 0, 0); }, // already capitals
        [&] { SetWindowTextW(amountBox, L"8"); },
        [&] { SendMessageW(Form1Control("Command1", 2), BM_CLICK, 0, 0); },
        [&] { SetWindowTextW(amountBox, L""); },
    };
    for (const auto& step : steps) {
        step();
        Pump();
    }
    EXPECT_EQ(told.heard, (std::vector<std::u16string>{DollarsResult(u"7"), DollarsResult(u"8"),
                                                       ToLowerCase(DollarsResult(u"8")), u""}));
}

// The keyboard reaches everything: F1 opens the statement window from anywhere in the main
// window; both boxes' menus open with Shift+F10 and with the menu key, and 访问主页 there opens
// the home page. (Whether the focus shows from the start cannot be seen here: Wine keeps no
// keyboard cues, and shows the focus always.)
TEST_F(Windows, KeyboardAlone) {
    Press(Form1Control("Command1", 1), VK_F1);
    const HWND statement = FindWindowW(nullptr, L"使用说明");
    EXPECT_TRUE(statement);
    DestroyWindow(statement);
    SetForegroundWindow(form);
    Pump();
    for (const HWND box : {amountBox, resultBox}) {
        const std::function<void()> openers[] = {
            [box] { // Shift+F10, a system key
                BYTE keys[256] = {};
                keys[VK_SHIFT] = 0x80;
                SetKeyboardState(keys);
                PostMessageW(box, WM_SYSKEYDOWN, VK_F10, 1);
                Pump();
                keys[VK_SHIFT] = 0;
                SetKeyboardState(keys);
            },
            [box] { // the menu key, pressed and let go as the keyboard does it
                SetFocus(box);
                INPUT key[2] = {};
                key[0].type = key[1].type = INPUT_KEYBOARD;
                key[0].ki.wVk = key[1].ki.wVk = VK_APPS;
                key[1].ki.dwFlags = KEYEVENTF_KEYUP;
                SendInput(2, key, sizeof(INPUT));
                Pump();
            }};
        for (const auto& open : openers) {
            const std::vector<std::u16string> menu = MenuShownBy(open, L'h');
            EXPECT_NE(std::find(menu.begin(), menu.end(), u"访问主页(&H)"), menu.end());
        }
    }
    EXPECT_EQ(shellCalls,
              std::vector(4, std::to_string(NativeWindow(form)) + ' ' + kMakerHomePage));
}

// Under a high-contrast theme the links are drawn in the theme's colours, never a fixed one: the
// main window's link hovered and pressed, the statement window's web address. Wine has no such
// themes: the windows are told one is on.
TEST_F(Windows, HighContrast) {
    win32::pretendHighContrast = true;
    const HWND link = Form1Control("Label3");
    const HWND address = Control(Form2::Open(), form2::kControls, "Label4");
    SendMessageW(link, WM_MOUSEMOVE, 0, 0);
    const COLORREF hovered = LookOf(link).first;
    SendMessageW(link, WM_LBUTTONDOWN, 0, 0);
    ReleaseCapture();
    EXPECT_EQ((std::array{hovered, LookOf(link).first, LookOf(address).first}),
              (std::array{GetSysColor(COLOR_HOTLIGHT), GetSysColor(COLOR_HIGHLIGHT),
                          GetSysColor(COLOR_HOTLIGHT)}));
    win32::pretendHighContrast.reset();
    EXPECT_EQ(LookOf(address).first, form2::kAddressColour);
}

} // namespace
