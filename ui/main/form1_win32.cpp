#include "ui/main/form1_win32.h"

#include "currency/currency_table.h"
#include "ui/main/form1_design.h"
#include "ui/statement/form2_design.h"
#include "ui/statement/form2_win32.h"
#include "ui/statement/open_home_page.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace qev {

using win32::ChildRect;
using win32::SetText;
using win32::TextOf;

namespace {

constexpr UINT_PTR kStatusNoteTimer = 1;
// How far the currency list drops below its field.
constexpr int kDroppedListTwips = 3600;
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

std::u16string ResultText(std::u16string_view amount, const SelectedCurrency& currency) {
    return amount.empty() ? std::u16string() : AmountToWords(amount, currency).text;
}

// A mouse button as the design numbers them: 1 left, 2 right, 4 middle.
int ButtonCode(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 1;
    }
}

// The clipboard's text, or nothing when it holds none.
std::optional<std::u16string> ClipboardText(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::u16string> text;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* units = data ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr) {
        const std::u16string_view whole(units, GlobalSize(data) / sizeof(char16_t));
        text = whole.substr(0, whole.find(u'\0'));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(HWND owner, std::u16string_view text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* units = memory ? static_cast<char16_t*>(GlobalLock(memory)) : nullptr;
    if (!units) {
        return false;
    }
    units[text.copy(units, text.size())] = u'\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) {
        GlobalFree(memory);
    }
    return set;
}

// `text` cut with "…" to `width` pixels in the window's font.
std::u16string Elided(HWND window, std::u16string text, int width) {
    const HDC dc = GetDC(window);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    const auto fits = [&](const std::u16string& candidate) {
        SIZE size{};
        GetTextExtentPoint32W(dc, reinterpret_cast<LPCWSTR>(candidate.c_str()),
                              static_cast<int>(candidate.size()), &size);
        return size.cx <= width;
    };
    if (!fits(text)) {
        while (!text.empty() && !fits(text + u"…")) {
            text.pop_back();
        }
        text += u"…";
    }
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return text;
}

// The result box's menu: the edit control's own entries, then the wording alone.
enum MenuCommand : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll, kCopyWording };

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
    form->BuildControls();
    form->PlaceControls();
    form->Form_Load();
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
            Label3 = make(Picture1, form1::ControlNamed("Label3"), WC_STATICW,
                          SS_LEFTNOWORDWRAP | SS_NOTIFY);
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
    songFont_ = win32::SongFont(form1::kSongFacePoints, dpi_);
    linkFont_ = win32::SongFont(form1::kSongFacePoints, dpi_, true);
    hoveredLinkFont_ = win32::SongFont(form1::kSongFacePoints, dpi_, true, true);
    defaultFont_ = win32::SongFont(form2::kSongFacePoints, dpi_);
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
}

void Form1::Form_Load() {
    SendMessageW(Combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"美元USD"));
    SendMessageW(Combo1, CB_SETCURSEL, 0, 0);
    SetText(Text1, u"");
    SetText(Text2, u"");
    LoadCurrencyList();
    focus_ = Combo1; // given the focus as the window is shown and activated
}

void Form1::LoadCurrencyList() {
    const auto& records = CurrencyRecords();
    CurrencyTable.assign(records.begin(), records.end());
    for (std::size_t i = 0; i < CurrencyTable.size(); ++i) {
        // A combo box cannot rewrite an entry: the one there goes, the new one takes its place.
        if (static_cast<LRESULT>(i) < SendMessageW(Combo1, CB_GETCOUNT, 0, 0)) {
            SendMessageW(Combo1, CB_DELETESTRING, i, 0);
        }
        SendMessageW(Combo1, CB_INSERTSTRING, i,
                     reinterpret_cast<LPARAM>(win32::Wide(ListEntryText(i)).c_str()));
    }
    SendMessageW(Combo1, CB_SETCURSEL, 0, 0);
    Combo1_Click();
}

void Form1::Combo1_Click() {
    const LRESULT index = SendMessageW(Combo1, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= CurrencyTable.size()) {
        return;
    }
    const auto currency = ReadCurrencyRecord(CurrencyTable[static_cast<std::size_t>(index)]);
    if (!currency) {
        return;
    }
    Currency = *currency;
    currencyIndex_ = index;
    const std::u16string amount = TextOf(Text1);
    if (!amount.empty()) {
        SetText(Text2, ResultText(amount, Currency));
    }
}

void Form1::Text1_Change() {
    if (restoringAmount_) {
        return;
    }
    const std::u16string typed = TextOf(Text1);
    DWORD caret = 0;
    SendMessageW(Text1, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const form1::AmountEdit edit = form1::EditAmount(typed, caret, amountTyped_);

    // An edit whose clean text would pass the limit is refused as a whole rather than cut, so a
    // paste never loses the digits at its end; the box goes back to how it was, and the status
    // bar says why.
    if (!edit.refusal.empty()) {
        restoringAmount_ = true;
        SetText(Text1, acceptedAmount_);
        restoringAmount_ = false;
        SendMessageW(Text1, EM_SETSEL, selectionBefore_[0], selectionBefore_[1]);
        MessageBeep(MB_OK);
        ShowStatusNote(edit.refusal);
        return;
    }

    if (edit.text != typed) {
        // Runs this handler again, nested, on the clean text, which converts it; the caret then
        // goes back among the characters the user was typing at.
        SetText(Text1, edit.text);
        SendMessageW(Text1, EM_SETSEL, edit.caret, edit.caret);
        return;
    }

    acceptedAmount_ = edit.text;
    SetText(Text2, ResultText(edit.text, Currency));
}

void Form1::ShowStatusNote(std::u16string_view text) {
    SendMessageW(StatusBar1, SB_SIMPLE, TRUE, 0);
    SendMessageW(StatusBar1, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(win32::Wide(text).c_str()));
    SetTimer(hwnd_, kStatusNoteTimer, form1::kStatusNoteMilliseconds, nullptr);
}

void Form1::CopyWording() {
    const std::u16string text = TextOf(Text2);
    const std::optional<std::u16string_view> wording = WordingOf(text);
    if (!wording || !SetClipboardText(hwnd_, *wording)) {
        MessageBeep(MB_OK);
        return;
    }
    ShowStatusNote(Elided(StatusBar1, std::u16string(form1::kCopiedNote) + std::u16string(*wording),
                          TwipsToPixels(form1::kStatusPanelWidth, dpi_)));
}

void Form1::ShowResultBoxMenu(POINT at) {
    DWORD start = 0, end = 0;
    SendMessageW(Text2, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const bool selected = start != end;
    const auto flags = [](bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); };
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, flags(SendMessageW(Text2, EM_CANUNDO, 0, 0) != 0), kUndo, L"撤消(&U)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, flags(selected), kCut, L"剪切(&T)");
    AppendMenuW(menu, flags(selected), kCopy, L"复制(&C)");
    AppendMenuW(menu, flags(IsClipboardFormatAvailable(CF_UNICODETEXT)), kPaste, L"粘贴(&P)");
    AppendMenuW(menu, flags(selected), kDelete, L"删除(&D)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, flags(GetWindowTextLengthW(Text2) > 0), kSelectAll, L"全选(&A)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::u16string copyWording =
        std::u16string(form1::kCopyWordingCaption) + u"\tCtrl+Shift+C";
    AppendMenuW(menu, flags(WordingOf(TextOf(Text2)).has_value()), kCopyWording,
                reinterpret_cast<LPCWSTR>(copyWording.c_str()));
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the caret
        at = {0, 0};
        ClientToScreen(Text2, &at);
    }
    const UINT command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    switch (command) {
    case kUndo:
        SendMessageW(Text2, EM_UNDO, 0, 0);
        break;
    case kCut:
        SendMessageW(Text2, WM_CUT, 0, 0);
        break;
    case kCopy:
        SendMessageW(Text2, WM_COPY, 0, 0);
        break;
    case kPaste:
        SendMessageW(Text2, WM_PASTE, 0, 0);
        break;
    case kDelete:
        SendMessageW(Text2, WM_CLEAR, 0, 0);
        break;
    case kSelectAll:
        SendMessageW(Text2, EM_SETSEL, 0, -1);
        break;
    case kCopyWording:
        CopyWording();
        break;
    default:
        break;
    }
}

void Form1::Command1_Click(int index) {
    if (const std::optional<CaseStyle> style = form1::CaseButtonStyle(index)) {
        SetText(Text2, ApplyCaseStyle(TextOf(Text2), *style));
    }
}

void Form1::Label3_MouseMove() {
    SetLabel3Look(kLinkHovered);
}

void Form1::Label3_MouseDown(int button) {
    SetLabel3Look(LinkPressed(label3Look_, button));
}

void Form1::Label3_MouseUp() {
    // The statement window opens first and takes the focus; the link then looks as at rest,
    // though the pointer is still over it.
    Form2::Open();
    SetLabel3Look(kLinkAtRest);
}

void Form1::Picture1_MouseMove() {
    // Nothing reports the pointer leaving the link; crossing the box around it ends the hover.
    SetLabel3Look(kLinkAtRest);
}

void Form1::StatusBar1_PanelClick() {
    OpenHomePage(reinterpret_cast<NativeWindow>(hwnd_));
}

void Form1::SetLabel3Look(LinkLook look) {
    if (look == label3Look_) {
        return; // every move over the link would repaint it
    }
    label3Look_ = look;
    const HFONT font = (look.italic ? hoveredLinkFont_ : linkFont_).get();
    SendMessageW(Label3, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    InvalidateRect(Label3, nullptr, TRUE); // the colour is WM_CTLCOLORSTATIC's
}

void Form1::Form_Resize() {
    // A minimised window shows no controls; they are laid out again as it is restored. Windows
    // keeps every other size at or above the minimum that WM_GETMINMAXINFO gives.
    if (IsIconic(hwnd_)) {
        return;
    }
    RECT outer; // the real frame and title bar counted
    GetWindowRect(hwnd_, &outer);
    const form1::Layout layout = form1::LayOut(PixelsToTwips(outer.right - outer.left, dpi_),
                                               PixelsToTwips(outer.bottom - outer.top, dpi_));
    const RECT text1 = ChildRect(Text1);
    const RECT combo1 = ChildRect(Combo1);
    if (layout.text1Width) {
        SetWindowPos(Text1, nullptr, 0, 0, TwipsToPixels(*layout.text1Width, dpi_),
                     text1.bottom - text1.top, kSizeOnly);
    }
    SetWindowPos(Combo1, nullptr, TwipsToPixels(layout.combo1Left, dpi_), combo1.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (layout.text2Width && layout.text2Height) {
        SetWindowPos(Text2, nullptr, 0, 0, TwipsToPixels(*layout.text2Width, dpi_),
                     TwipsToPixels(*layout.text2Height, dpi_), kSizeOnly);
    }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        const auto button = std::find(Command1.begin(), Command1.end(), from);
        if (from == Text1 && code == EN_CHANGE) {
            Text1_Change();
        } else if (from == Combo1 && code == CBN_SELCHANGE) {
            Combo1_Click();
        } else if (from == Combo1 && code == CBN_KILLFOCUS) {
            // What was typed into the field chose nothing: it shows the currency in use again.
            SendMessageW(Combo1, CB_SETCURSEL, static_cast<WPARAM>(currencyIndex_), 0);
        } else if (button != Command1.end() && code == BN_CLICKED) {
            Command1_Click(static_cast<int>(button - Command1.begin()));
        }
        return 0;
    }
    case WM_NOTIFY: {
        const auto* click = reinterpret_cast<const NMMOUSE*>(lParam);
        if (click->hdr.hwndFrom == StatusBar1 && click->hdr.code == NM_CLICK &&
            click->dwItemSpec == 0) { // on the panel, not in a note or beyond the panel
            StatusBar1_PanelClick();
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
    case WM_SIZE:
        if (StatusBar1) {                            // the controls are made after the window
            SendMessageW(StatusBar1, WM_SIZE, 0, 0); // docked to the bottom edge
            Form_Resize();
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
    if (control == Text1 || control == Text2) {
        if (message == WM_CHAR && wParam == 1) {
            SendMessageW(control, EM_SETSEL, 0, -1); // Ctrl+A, which older edit controls ignore
            return 0;
        }
        // Ctrl+Shift+C copies the wording alone; the Ctrl+C character that follows the key is
        // not the box's to copy its selection with.
        if (message == WM_KEYDOWN && wParam == 'C' && shift && GetKeyState(VK_CONTROL) < 0) {
            CopyWording();
            return 0;
        }
        if (message == WM_CHAR && wParam == 3 && shift) {
            return 0;
        }
    }
    if (control == Text2 && message == WM_CONTEXTMENU) {
        ShowResultBoxMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    if (control == Text1 && (message == WM_CHAR || message == WM_IME_CHAR || message == WM_PASTE)) {
        // A typed character or a paste (Ctrl+V, Shift+Insert and the menu's Paste come as
        // WM_PASTE too): where a refused edit puts the box back, and which note it shows.
        SendMessageW(Text1, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionBefore_[0]),
                     reinterpret_cast<LPARAM>(&selectionBefore_[1]));
        const bool outerTyped = amountTyped_;
        amountTyped_ = message != WM_PASTE;
        LRESULT result = 0;
        if (message != WM_PASTE) {
            result = Form::ControlMessage(control, message, wParam, lParam);
        } else if (const std::optional<std::u16string> text = ClipboardText(Text1)) {
            // The whole text: a one-line box would paste only its first line, and "1 000\r\n000"
            // would lose digits.
            SendMessageW(Text1, EM_REPLACESEL, TRUE,
                         reinterpret_cast<LPARAM>(win32::Wide(*text).c_str()));
        }
        amountTyped_ = outerTyped;
        return result;
    }
    if (control == Label3) {
        switch (message) {
        case WM_MOUSEMOVE:
            Label3_MouseMove();
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
            Label3_MouseDown(ButtonCode(message));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (GetCapture() == Label3) { // a press begun on the link
                ReleaseCapture();
                Label3_MouseUp();
            }
            return 0;
        default:
            break;
        }
    } else if (control == Picture1) {
        if (message == WM_MOUSEMOVE) {
            Picture1_MouseMove();
            return 0;
        }
        if (message == WM_CTLCOLORSTATIC) { // Label3's colours are the window's to give
            return SendMessageW(hwnd_, message, wParam, lParam);
        }
    }
    return Form::ControlMessage(control, message, wParam, lParam);
}

} // namespace qev
