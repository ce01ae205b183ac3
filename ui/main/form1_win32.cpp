#include "ui/main/form1_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace qev {

using form1::Box;
using win32::ChildRect;
using win32::TextOf;

namespace {

constexpr UINT_PTR kStatusNoteTimer = 1;
// Keys of the whole window, below the controls' ids, beside IDOK and IDCANCEL.
constexpr WORD kCopyWordingKey = 50;
constexpr WORD kCopyRmbCapitalKey = 51;
// Where the window keeps its choices between runs: the maker's and the program's names.
constexpr wchar_t kSettingsKey[] = L"Software\\Kestrune\\QEV英文金额大写转换工具";

// A menu of the presenter's entries, with its submenus.
HMENU MenuOf(const std::vector<form1::MenuItem>& items) {
    const HMENU menu = CreatePopupMenu();
    for (const form1::MenuItem& item : items) {
        const std::wstring caption = win32::Wide(item.caption);
        MENUITEMINFOW entry{};
        entry.cbSize = sizeof(entry);
        entry.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        entry.fType = !item.command && item.submenu.empty() ? MFT_SEPARATOR
                      : item.chosen                         ? MFT_RADIOCHECK
                                                            : MFT_STRING;
        entry.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) |
                       (item.chosen.value_or(false) ? MFS_CHECKED : 0);
        entry.wID = static_cast<UINT>(item.command);
        entry.hSubMenu = item.submenu.empty() ? nullptr : MenuOf(item.submenu);
        entry.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &entry);
    }
    return menu;
}
// How far the currency list drops below its field.
constexpr int kDroppedListTwips = 3600;
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

// A mouse button as the design numbers them: 1 left, 2 right, 4 middle.
int ButtonCode(UINT message) {
    const bool right = message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK;
    return right ? 2 : message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ? 4 : 1;
}

// `text` cut with "…" to `width` pixels in the font of `window`.
std::wstring Elided(HWND window, std::u16string_view text, int width) {
    std::wstring elided = win32::Wide(text);
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    const auto fits = [&](const std::wstring& candidate) {
        SIZE size{};
        GetTextExtentPoint32W(dc, candidate.c_str(), static_cast<int>(candidate.size()), &size);
        return size.cx <= width;
    };
    if (!fits(elided)) {
        while (!elided.empty() && !fits(elided + L"…")) {
            elided.pop_back();
        }
        elided += L"…";
    }
    DeleteDC(dc);
    return elided;
}

} // namespace

HWND Form1::Create() {
    static const INITCOMMONCONTROLSEX kControlClasses{sizeof(INITCOMMONCONTROLSEX),
                                                      ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&kControlClasses);
    auto* form = new Form1;
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1");
    if (!form->CreateWindowOfClass(L"QevForm1", icon, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                                   form1::kTitle)) {
        return nullptr;
    }
    ACCEL keys[] = {{FCONTROL | FSHIFT | FVIRTKEY, 'C', kCopyWordingKey},
                    {FCONTROL | FSHIFT | FVIRTKEY, 'R', kCopyRmbCapitalKey}};
    form->keys_ = CreateAcceleratorTableW(keys, 2);
    form->BuildControls();
    form->PlaceControls();
    form->presenter_.Form_Load();
    form->focus_ = form->Combo1; // given the focus as the window is shown and activated
    form->SizeClientArea(form1::kClientWidth, form1::kClientHeight);
    return form->hwnd_;
}

void Form1::BuildControls() {
    // Windows stacks the control made first on top, and Tab follows that order. Made from the
    // design's last control to its first, the later ones lie above the earlier ones, as designed,
    // and Tab visits Combo1, Text1, Text2 and the buttons in their tab positions' order.
    for (std::size_t place = form1::kControls.size(); place-- > 0;) {
        const form1::Control& design = form1::kControls[place];
        const auto make = [&](HWND parent, const form1::Control& control, const wchar_t* className,
                              DWORD style, DWORD exStyle = 0) {
            return CreateControl(parent, static_cast<std::size_t>(&control - &form1::kControls[0]),
                                 className, style, exStyle, control.text);
        };
        switch (design.kind) {
        case form1::Kind::Label:
            if (design.name != "Label3") { // made inside Picture1
                (design.name == "Label1" ? Label1 : Label2) =
                    make(hwnd_, design, WC_STATICW, SS_LEFTNOWORDWRAP);
            }
            break;
        case form1::Kind::PictureBox:
            Picture1 = make(hwnd_, design, WC_STATICW, SS_NOTIFY | WS_CLIPCHILDREN);
            Label3 =
                make(Picture1, form1::ControlNamed("Label3"), WC_STATICW, SS_OWNERDRAW | SS_NOTIFY);
            break;
        case form1::Kind::Button:
            Command1[static_cast<std::size_t>(design.index)] =
                make(hwnd_, design, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
            break;
        case form1::Kind::ResultBox:
            Text2 = make(hwnd_, design, WC_EDITW,
                         ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                         WS_EX_CLIENTEDGE);
            SendMessageW(Text2, EM_SETLIMITTEXT, 0, 0); // the most an edit control holds
            break;
        case form1::Kind::AmountBox:
            // No limit on the box itself: it would cut a paste before cleaning and could drop
            // the decimals of "Total USD 1,234.56". Text1_Change applies the limit to the clean
            // text.
            Text1 = make(hwnd_, design, WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
            SendMessageW(Text1, EM_SETLIMITTEXT, 0, 0);
            break;
        case form1::Kind::StatusBar:
            StatusBar1 = make(hwnd_, design, STATUSCLASSNAMEW, SBARS_SIZEGRIP);
            SendMessageW(StatusBar1, SB_SETTEXTW, 0,
                         reinterpret_cast<LPARAM>(win32::Wide(form1::StatusPanelText()).c_str()));
            break;
        case form1::Kind::CurrencyList:
            // Typing into the field selects nothing: only CBN_SELCHANGE counts.
            Combo1 = make(hwnd_, design, WC_COMBOBOXW,
                          CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP);
            break;
        }
    }
}

void Form1::PlaceControls() {
    songFont_ = win32::SongFont(form1::kSongFace, form1::kSongFacePoints, dpi_);
    linkFont_ = win32::SongFont(form1::kSongFace, form1::kSongFacePoints, dpi_, true);
    hoveredLinkFont_ = win32::SongFont(form1::kSongFace, form1::kSongFacePoints, dpi_, true, true);
    defaultFont_ = win32::SongFont(form1::kSongFace, win32::kDefaultFontPoints, dpi_);
    for (std::size_t place = 0; place < form1::kControls.size(); ++place) {
        const form1::Control& design = form1::kControls[place];
        const HWND control =
            GetDlgItem(design.name == "Label3" ? Picture1 : hwnd_, win32::ControlId(place));
        const HFONT font = design.underline
                               ? (label3Look_.italic ? hoveredLinkFont_ : linkFont_).get()
                           : design.songFace ? songFont_.get()
                                             : defaultFont_.get();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        TwipsRect twips = design.place;
        twips.height += design.kind == form1::Kind::CurrencyList ? kDroppedListTwips : 0;
        if (design.kind != form1::Kind::StatusBar) { // docked: it places itself
            win32::Place(control, twips, dpi_);
        }
    }

    const int panelRight[] = {TwipsToPixels(form1::kStatusPanelWidth, dpi_)};
    SendMessageW(StatusBar1, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(panelRight));

    // Heights to which a control adds its own borders and room for its text: set, measured and
    // set again. The currency list's field as high as the amount box beside it, whatever the font
    // makes of it (Wine also adds to what it is given); the status bar as high as designed.
    const auto fitHeight = [](HWND control, int wanted, const auto& set) {
        set(wanted);
        const RECT now = ChildRect(control);
        set(2 * wanted - static_cast<int>(now.bottom - now.top));
    };
    fitHeight(Combo1, TwipsToPixels(form1::ControlNamed("Combo1").place.height, dpi_),
              [this](int height) {
                  SendMessageW(Combo1, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
              });
    fitHeight(StatusBar1, TwipsToPixels(form1::ControlNamed("StatusBar1").place.height, dpi_),
              [this](int height) {
                  SendMessageW(StatusBar1, SB_SETMINHEIGHT, height, 0);
                  SendMessageW(StatusBar1, WM_SIZE, 0, 0);
              });
    FitDroppedWidth();
    presenter_.Form_Resize(); // the boxes as the window's size has them, at the new DPI too
}

void Form1::ShowMenu(Box box, POINT at) {
    const HMENU menu = MenuOf(presenter_.MenuOf(box));
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the box's corner
        at = {0, 0};
        ClientToScreen(BoxOf(box), &at);
    }
    const UINT command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    presenter_.MenuCommand(box, static_cast<int>(command));
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        const auto button = std::find(Command1.begin(), Command1.end(), from);
        if (code == 1 && LOWORD(wParam) == kCopyWordingKey) { // anywhere in the window
            presenter_.CopyWording();
        } else if (code == 1 && LOWORD(wParam) == kCopyRmbCapitalKey) {
            presenter_.CopyRmbCapital();
        } else if (from == Text1 && code == EN_CHANGE) {
            presenter_.Text1_Change();
        } else if (from == Combo1 && code == CBN_SETFOCUS) {
            ShowFieldStart();
        } else if (from == Combo1 && code == CBN_SELCHANGE) {
            presenter_.Combo1_Click();
        } else if ((from == Combo1 && code == CBN_KILLFOCUS) ||
                   (LOWORD(wParam) == IDOK && IsChild(Combo1, GetFocus()))) { // Enter
            presenter_.Combo1_Validate();
        } else if (button != Command1.end() && code == BN_CLICKED) {
            presenter_.Command1_Click(static_cast<int>(button - Command1.begin()));
        }
        return 0;
    }
    case WM_NOTIFY: {
        const auto* click = reinterpret_cast<const NMMOUSE*>(lParam);
        if (click->hdr.hwndFrom == StatusBar1 && click->hdr.code == NM_CLICK &&
            click->dwItemSpec == 0) { // on the panel, not in a note or beyond the panel
            presenter_.StatusBar1_PanelClick();
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == Label3) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, win32::ColourRef(label3Look_.colour));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_DRAWITEM: {
        // The link drawn from its bottom: in a face taller than SimSun, as Wine's stand-in is, an
        // underline drawn from the top would fall below the label.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != Label3) {
            break;
        }
        FillRect(item.hDC, &item.rcItem,
                 reinterpret_cast<HBRUSH>(
                     HandleMessage(WM_CTLCOLORSTATIC, WPARAM(item.hDC), LPARAM(Label3))));
        SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(Label3, WM_GETFONT, 0, 0)));
        RECT rect = item.rcItem;
        DrawTextW(item.hDC, win32::Wide(form1::ControlNamed("Label3").text).c_str(), -1, &rect,
                  DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
        return TRUE;
    }
    case WM_SIZE:
        if (StatusBar1) {                              // the controls are made after the window
            SendMessageW(StatusBar1, WM_SIZE, 0, 0);   // docked to the bottom edge
            InvalidateRect(StatusBar1, nullptr, TRUE); // no old size grip left in its middle
            presenter_.Form_Resize();
        }
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {
            win32::PixelsAtLeast(form1::kMinOuterWidth, dpi_),
            win32::PixelsAtLeast(form1::kMinOuterHeight, dpi_)};
        return 0;
    case WM_TIMER:
        if (wParam == kStatusNoteTimer) {
            KillTimer(hwnd_, kStatusNoteTimer);
            SendMessageW(StatusBar1, SB_SIMPLE, FALSE, 0); // the panel again
            return 0;
        }
        break;
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

LRESULT Form1::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if ((control == Text1 || control == Text2) && message == WM_CHAR && wParam == 1) {
        SendMessageW(control, EM_SETSEL, 0, -1); // Ctrl+A, which older edit controls ignore
        return 0;
    }
    if ((control == Text1 || control == Text2) && message == WM_CONTEXTMENU) {
        ShowMenu(control == Text1 ? Box::Amount : Box::Result,
                 {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    if (control == Text1) {
        // The box's history and pastes are the presenter's: Ctrl+Z, Alt+Backspace, Ctrl+Y and
        // Ctrl+Shift+Z, and Ctrl+V, Shift+Insert and WM_PASTE from elsewhere.
        const bool undo = (message == WM_CHAR && wParam == 0x1a && !shift) || message == WM_UNDO ||
                          message == EM_UNDO || (message == WM_SYSKEYDOWN && wParam == VK_BACK);
        const bool redo = message == WM_CHAR && (wParam == 0x19 || (wParam == 0x1a && shift));
        if (undo || redo || message == WM_PASTE) {
            undo   ? presenter_.Text1_Undo()
            : redo ? presenter_.Text1_Redo()
                   : presenter_.Text1_Paste();
            return 0;
        }
        if (message == WM_CHAR || message == WM_IME_CHAR || message == WM_KEYDOWN) {
            presenter_.Text1_BeforeEdit(true);
        }
    }
    if (control == Label3) {
        switch (message) {
        case WM_MOUSEMOVE:
            presenter_.Label3_MouseMove();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            // Until the button goes up the link takes every move and the release, wherever the
            // pointer is.
            SetCapture(Label3);
            presenter_.Label3_MouseDown(ButtonCode(message));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (GetCapture() == Label3) { // a press begun on the link
                ReleaseCapture();
                presenter_.Label3_MouseUp();
            }
            return 0;
        default:
            break;
        }
    } else if (control == Picture1) {
        if (message == WM_MOUSEMOVE) {
            presenter_.Picture1_MouseMove();
            return 0;
        }
        if (message == WM_CTLCOLORSTATIC || message == WM_DRAWITEM) { // Label3 is the window's
            return SendMessageW(hwnd_, message, wParam, lParam);
        }
    }
    return Form::ControlMessage(control, message, wParam, lParam);
}

// The presenter's view on the controls.

form1::Selection Form1::SelectionIn(Box box) const {
    DWORD start = 0, end = 0;
    SendMessageW(BoxOf(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void Form1::Edit(Box box, form1::Command command) {
    using enum form1::Command;
    const UINT messages[] = {WM_UNDO, WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL};
    SendMessageW(BoxOf(box), messages[static_cast<int>(command) - 1], 0,
                 command == SelectAll ? -1 : 0);
}

void Form1::SetCurrencyEntries(const std::vector<std::u16string>& entries) {
    SendMessageW(Combo1, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& entry : entries) {
        SendMessageW(Combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(entry).c_str()));
    }
    FitDroppedWidth();
}

void Form1::FitDroppedWidth() {
    // The list opens wide enough for its longest entry, within the screen.
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, songFont_.get());
    LONG widest = 0;
    for (LRESULT i = 0, count = SendMessageW(Combo1, CB_GETCOUNT, 0, 0); i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(Combo1, CB_GETLBTEXTLEN, i, 0)),
                           L'\0');
        SendMessageW(Combo1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        SIZE size{};
        GetTextExtentPoint32W(dc, entry.c_str(), static_cast<int>(entry.size()), &size);
        widest = std::max(widest, size.cx);
    }
    DeleteDC(dc);
    MONITORINFO screen{};
    screen.cbSize = sizeof(screen);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &screen);
    const int width =
        widest + GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_) + TwipsToPixels(180, dpi_);
    SendMessageW(Combo1, CB_SETDROPPEDWIDTH,
                 std::min<LONG>(width, screen.rcWork.right - screen.rcWork.left), 0);
}

void Form1::ShowFieldStart() {
    // A long entry shows its start, not its end with the code: the caret first, all selected
    // while the field has the focus.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(Combo1, &parts);
    const bool focused = GetFocus() == parts.hwndItem;
    SendMessageW(parts.hwndItem, EM_SETSEL, focused ? GetWindowTextLengthW(parts.hwndItem) : 0, 0);
    SendMessageW(parts.hwndItem, EM_SCROLLCARET, 0, 0);
}

std::optional<std::size_t> Form1::CurrencyIndex() const {
    const LRESULT index = SendMessageW(Combo1, CB_GETCURSEL, 0, 0);
    return index < 0 ? std::nullopt : std::optional<std::size_t>(index);
}

form1::OuterSize Form1::WindowSize() const {
    RECT outer; // the real frame and title bar counted
    GetWindowRect(hwnd_, &outer);
    return {PixelsToTwips(outer.right - outer.left, dpi_),
            PixelsToTwips(outer.bottom - outer.top, dpi_), !IsZoomed(hwnd_), IsIconic(hwnd_) != 0};
}

void Form1::PlaceBoxes(const form1::Layout& layout) {
    const auto size = [this](HWND box, std::optional<int> width, int height) {
        if (width) {
            SetWindowPos(box, nullptr, 0, 0, TwipsToPixels(*width, dpi_), height, kSizeOnly);
        }
    };
    size(Text1, layout.text1Width,
         static_cast<int>(ChildRect(Text1).bottom - ChildRect(Text1).top));
    size(Text2, layout.text2Height ? layout.text2Width : std::nullopt,
         TwipsToPixels(layout.text2Height.value_or(0), dpi_));
    SetWindowPos(Combo1, nullptr, TwipsToPixels(layout.combo1Left, dpi_), ChildRect(Combo1).top, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ShowStatusNote(std::u16string_view note) {
    SendMessageW(StatusBar1, SB_SIMPLE, TRUE, 0);
    SendMessageW(
        StatusBar1, SB_SETTEXTW, SB_SIMPLEID,
        reinterpret_cast<LPARAM>(
            Elided(StatusBar1, note, TwipsToPixels(form1::kStatusPanelWidth, dpi_)).c_str()));
    SetTimer(hwnd_, kStatusNoteTimer, form1::kStatusNoteMilliseconds, nullptr);
}

std::optional<std::u16string> Form1::ClipboardText() const {
    std::optional<std::u16string> text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(hwnd_)) {
        const HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (const auto* units = data ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr) {
            const std::u16string_view whole(units, GlobalSize(data) / sizeof(char16_t));
            text = whole.substr(0, whole.find(u'\0'));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

bool Form1::SetClipboardText(std::u16string_view text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    if (auto* units = memory ? static_cast<char16_t*>(GlobalLock(memory)) : nullptr) {
        units[text.copy(units, text.size())] = u'\0';
        GlobalUnlock(memory);
        if (OpenClipboard(hwnd_)) {
            EmptyClipboard();
            const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            CloseClipboard();
            if (set) {
                return true;
            }
        }
    }
    GlobalFree(memory);
    return false;
}

std::optional<std::u16string> Form1::Setting(std::string_view key) const {
    // A value that is not text, or too long to be one of ours, reads as none.
    wchar_t value[64];
    DWORD size = sizeof(value);
    const std::wstring name(key.begin(), key.end());
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::u16string(reinterpret_cast<const char16_t*>(value));
}

bool Form1::SetSetting(std::string_view key, std::u16string_view value) {
    const std::wstring name(key.begin(), key.end()), data = win32::Wide(value);
    return RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_SZ, data.c_str(),
                           static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

void Form1::SetLinkLook(LinkLook look) {
    label3Look_ = look;
    const HFONT font = (look.italic ? hoveredLinkFont_ : linkFont_).get();
    SendMessageW(Label3, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    InvalidateRect(Label3, nullptr, TRUE); // the colour is WM_CTLCOLORSTATIC's
}

} // namespace qev
