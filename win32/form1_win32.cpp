#include "win32/form1_win32.h"

#include "ui/tab_order.h"
#include "win32/accessible_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace qev {

using form1::Box;
using win32::ChildRect;
using win32::TextOf;

namespace {

constexpr UINT_PTR kStatusNoteTimer = 1;

// A menu of the presenter's entries, with its submenus. A menu entry's id is where its action
// stands in `actions`, plus one: the one place integer ids meet the presenter's actions.
HMENU MenuOf(const std::vector<form1::MenuItem>& items, std::vector<form1::MenuAction>& actions) {
    const HMENU menu = CreatePopupMenu();
    for (const form1::MenuItem& item : items) {
        const std::wstring caption = win32::Wide(item.caption);
        MENUITEMINFOW entry{};
        entry.cbSize = sizeof(entry);
        entry.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        entry.fType = !item.action && item.submenu.empty() ? MFT_SEPARATOR
                      : item.chosen                        ? MFT_RADIOCHECK
                                                           : MFT_STRING;
        entry.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) |
                       (item.chosen.value_or(false) ? MFS_CHECKED : 0);
        if (item.action) {
            actions.push_back(*item.action);
            entry.wID = static_cast<UINT>(actions.size());
        }
        entry.hSubMenu = item.submenu.empty() ? nullptr : MenuOf(item.submenu, actions);
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
    form->BindWindowKeys(KeyScope::Window);
    form->BuildControls();
    form->PlaceControls();
    form->presenter_.Form_Load();
    form->focus_ = form->Combo1; // given the focus as the window is shown and activated
    form->SizeClientArea(form1::kClientWidth, form1::kClientHeight);
    return form->hwnd_;
}

void Form1::BuildControls() {
    // Tab visits the controls in the order they are made.
    for (const std::size_t place : TabOrder(form1::kControls)) {
        const form1::Control& design = form1::kControls[place];
        const auto make = [&](HWND parent, const form1::Control& control, const wchar_t* className,
                              DWORD style, DWORD exStyle = 0) {
            const HWND made =
                CreateControl(parent, static_cast<std::size_t>(&control - &form1::kControls[0]),
                              className, style, exStyle, control.text);
            win32::MakeAccessible(made, "Form1", control.name, control.index);
            return made;
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
            // Its field, a window of its own, where the focus is: the list's name.
            win32::MakeAccessible(CurrencyField(), "Form1", "Combo1", -1, AccessibleRole::Text);
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
    presenter_.Form_Resize(); // the boxes as the window's size has them, at the new DPI too
}

void Form1::ShowMenu(Box box, POINT at) {
    std::vector<form1::MenuAction> actions;
    const HMENU menu = MenuOf(presenter_.MenuOf(box), actions);
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the box's corner
        at = {0, 0};
        ClientToScreen(BoxOf(box), &at);
    }
    const UINT chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && chosen <= actions.size()) {
        presenter_.MenuChosen(box, actions[chosen - 1]);
    }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        const auto button = std::find(Command1.begin(), Command1.end(), from);
        if (const std::optional<KeyStroke> key = WindowKeyOf(wParam)) { // anywhere in the window
            presenter_.Form_KeyDown(KeyScope::Window, *key);
        } else if (from == Text1 && code == EN_CHANGE) {
            presenter_.Text1_Change();
        } else if (from == Combo1 && code == CBN_SETFOCUS) {
            presenter_.Combo1_GotFocus();
        } else if (from == Combo1 && code == CBN_SELCHANGE) {
            presenter_.Combo1_Click();
        } else if (from == Combo1 && code == CBN_DROPDOWN) {
            presenter_.Combo1_DropDown();
        } else if (from == Combo1 && code == CBN_KILLFOCUS) {
            presenter_.Combo1_LostFocus();
        } else if (LOWORD(wParam) == IDOK && IsChild(Combo1, GetFocus())) { // Enter
            presenter_.Combo1_EnterPressed();
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
            win32::PixelsAtLeast(minimum_.cx, dpi_), win32::PixelsAtLeast(minimum_.cy, dpi_)};
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
    if (control == Text2 && message == WM_PASTE) { // from Ctrl+V, Shift+Insert or the menu
        const std::optional<std::u16string> pasted = ClipboardText();
        if (pasted && !presenter_.Text2_Insert(pasted->size())) {
            return 0;
        }
    }
    if (control == Text1) {
        // The box's history and pastes are the presenter's: its keys, and WM_UNDO and WM_PASTE
        // from elsewhere.
        if (OfferBoxKey(control, message, wParam, lParam, [this](KeyStroke stroke) {
                return presenter_.Form_KeyDown(KeyScope::AmountBox, stroke);
            })) {
            return 0;
        }
        if (message == WM_UNDO || message == EM_UNDO || message == WM_PASTE) {
            presenter_.MenuChosen(Box::Amount, message == WM_PASTE ? form1::EditCommand::Paste
                                                                   : form1::EditCommand::Undo);
            return 0;
        }
        using form1::AmountInput;
        const bool cut = (message == WM_CHAR && wParam == 0x18) || message == WM_CUT ||
                         message == WM_CLEAR ||
                         (message == WM_KEYDOWN && wParam == VK_DELETE && shift);
        if (cut || message == WM_CHAR || message == WM_KEYDOWN) {
            presenter_.Text1_BeforeEdit(cut ? AmountInput::Cut : AmountInput::Key);
        } else if (message == WM_IME_CHAR) {
            presenter_.Text1_BeforeEdit(AmountInput::InputMethodText);
        }
    }
    if (control == Label3) {
        switch (message) {
        case WM_MOUSEMOVE: {
            TRACKMOUSEEVENT leaving{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Label3, 0};
            TrackMouseEvent(&leaving); // WM_MOUSELEAVE when the pointer leaves the link
            presenter_.Label3_MouseMove();
            return 0;
        }
        case WM_MOUSELEAVE:
            presenter_.Label3_MouseLeave();
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
    const HWND control = BoxOf(box);
    DWORD start = 0, end = 0;
    SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    // The edit control gives its selection low to high; the caret says which end moves.
    POINT caret{};
    if (start != end && GetFocus() == control && GetCaretPos(&caret)) {
        const LRESULT at = SendMessageW(control, EM_POSFROMCHAR, start, 0);
        const bool low = box == Box::Amount
                             ? caret.x == short(LOWORD(at))
                             : caret.x == short(LOWORD(at)) && caret.y == short(HIWORD(at));
        if (low) {
            return {end, start};
        }
    }
    return {start, end};
}

void Form1::Edit(Box box, form1::EditCommand command) {
    using enum form1::EditCommand;
    const UINT messages[] = {WM_UNDO, WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL};
    SendMessageW(BoxOf(box), messages[static_cast<int>(command)], 0, command == SelectAll ? -1 : 0);
}

void Form1::SetCurrencyEntries(const std::vector<std::u16string>& entries) {
    SendMessageW(Combo1, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& entry : entries) {
        SendMessageW(Combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(entry).c_str()));
    }
}

HWND Form1::CurrencyField() const {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(Combo1, &parts);
    return parts.hwndItem;
}

void Form1::SelectCurrencyField(form1::Selection selection) {
    SendMessageW(CurrencyField(), EM_SETSEL, selection.anchor, LPARAM(selection.caret));
    SendMessageW(CurrencyField(), EM_SCROLLCARET, 0, 0);
}

int Form1::CurrencyListScreenRoom() const {
    MONITORINFO screen{};
    screen.cbSize = sizeof(screen);
    GetMonitorInfoW(MonitorFromWindow(Combo1, MONITOR_DEFAULTTONEAREST), &screen);
    RECT list;
    GetWindowRect(Combo1, &list);
    return PixelsToTwips(screen.rcWork.right - list.left, dpi_);
}

int Form1::TextWidth(std::u16string_view text, form1::TextFont font) const {
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font == form1::TextFont::CurrencyList
                         ? songFont_.get()
                         : reinterpret_cast<HFONT>(SendMessageW(StatusBar1, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, win32::Wide(text).c_str(), static_cast<int>(text.size()), &size);
    DeleteDC(dc);
    return PixelsToTwips(size.cx, dpi_);
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
    SendMessageW(StatusBar1, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(win32::Wide(note).c_str()));
    SetTimer(hwnd_, kStatusNoteTimer, form1::kStatusNoteMilliseconds, nullptr);
}

void Form1::SetLinkLook(LinkLook look) {
    label3Look_ = look;
    const HFONT font = (look.italic ? hoveredLinkFont_ : linkFont_).get();
    SendMessageW(Label3, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    InvalidateRect(Label3, nullptr, TRUE); // the colour is WM_CTLCOLORSTATIC's
}

} // namespace qev
