#include "win32/form3_win32.h"

#include "ui/tab_order.h"
#include "win32/accessible_win32.h"

#include <commctrl.h>

#include <algorithm>

namespace qev {

namespace {

// A column scrolled: sent on to the window once the scroll is done, since an edit control tells
// of a scroll before it scrolls. The column is the message's lParam.
constexpr UINT kColumnScrolled = WM_APP + 1;

} // namespace

HWND Form3::Open(const form3::Choices& choices) {
    form3::View* open = form3::Open([&choices]() -> form3::View* {
        auto* form = new Form3(choices);
        // A window of its own, owned by no other: it stays open when the main window closes.
        if (!form->CreateWindowOfClass(L"QevForm3",
                                       LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1"),
                                       WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, form3::kTitle)) {
            return nullptr;
        }
        form->BindWindowKeys(KeyScope::BatchWindow);
        form->BuildControls();
        form->PlaceControls();
        form->SizeClientArea(form3::kClientWidth, form3::kClientHeight);
        form->focus_ = form->Text1;
        form->presenter_.Form_Load();
        return form;
    });
    return open ? static_cast<Form3*>(open)->hwnd_ : nullptr;
}

void Form3::Follow(const form3::Choices& choices) {
    if (form3::View* open = form3::OpenWindow()) {
        static_cast<Form3*>(open)->presenter_.Follow(choices);
    }
}

Form3::~Form3() {
    form3::Closed(*this); // the next opening builds the window anew
}

void Form3::BuildControls() {
    // Tab visits the controls in the order they are made.
    for (const std::size_t place : TabOrder(form3::kControls)) {
        const form3::Control& design = form3::kControls[place];
        const auto make = [&](const wchar_t* className, DWORD style, DWORD exStyle = 0) {
            const HWND made = CreateControl(hwnd_, place, className, style, exStyle, design.text);
            win32::MakeAccessible(made, "Form3", design.name);
            return made;
        };
        // A row a line: no wrapping, so the two columns keep their rows side by side.
        constexpr DWORD kColumn = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                                  WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
        switch (design.kind) {
        case form3::Kind::Label:
            (design.name == "Label1" ? Label1 : Label2) = make(WC_STATICW, SS_LEFTNOWORDWRAP);
            break;
        case form3::Kind::AmountColumn:
            Text1 = make(WC_EDITW, kColumn, WS_EX_CLIENTEDGE);
            SendMessageW(Text1, EM_SETLIMITTEXT, 0, 0);
            break;
        case form3::Kind::ResultColumn:
            Text2 = make(WC_EDITW, kColumn | ES_READONLY, WS_EX_CLIENTEDGE);
            SendMessageW(Text2, EM_SETLIMITTEXT, 0, 0);
            break;
        case form3::Kind::CheckBox:
            Check1 = make(WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP);
            break;
        case form3::Kind::Button:
            Command1 = make(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
            break;
        case form3::Kind::StatusBar:
            StatusBar1 = make(STATUSCLASSNAMEW, SBARS_SIZEGRIP);
            SendMessageW(StatusBar1, SB_SIMPLE, TRUE, 0);
            break;
        }
    }
}

void Form3::PlaceControls() {
    font_ = win32::SongFont(u"宋体", 9, dpi_);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = std::max(PixelsToTwips(client.right, dpi_), form3::kMinClientWidth);
    const int height = std::max(PixelsToTwips(client.bottom, dpi_), form3::kMinClientHeight);
    for (std::size_t place = 0; place < form3::kControls.size(); ++place) {
        const form3::Control& design = form3::kControls[place];
        const HWND control = GetDlgItem(hwnd_, win32::ControlId(place));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (design.kind == form3::Kind::StatusBar) {
            SendMessageW(control, WM_SIZE, 0, 0); // docked: it places itself
        } else {
            win32::Place(control, form3::PlaceIn(design, width, height), dpi_);
        }
    }
}

LRESULT Form3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        if (const std::optional<KeyStroke> key = WindowKeyOf(wParam)) {
            presenter_.Form_KeyDown(KeyScope::BatchWindow, *key);
        } else if (from == Text1 && code == EN_CHANGE) {
            presenter_.Text1_Change();
        } else if ((from == Text1 || from == Text2) && code == EN_VSCROLL) {
            PostMessageW(hwnd_, kColumnScrolled, 0, lParam);
        } else if (from == Check1 && code == BN_CLICKED) {
            presenter_.Check1_Click(SendMessageW(Check1, BM_GETCHECK, 0, 0) == BST_CHECKED);
        } else if (from == Command1 && code == BN_CLICKED) {
            presenter_.Command1_Click();
        }
        return 0;
    }
    case kColumnScrolled: {
        const auto column = reinterpret_cast<HWND>(lParam);
        const auto row =
            static_cast<std::size_t>(SendMessageW(column, EM_GETFIRSTVISIBLELINE, 0, 0));
        column == Text1 ? presenter_.Text1_Scroll(row) : presenter_.Text2_Scroll(row);
        return 0;
    }
    case WM_SIZE:
        if (StatusBar1) { // the controls are made after the window
            PlaceControls();
        }
        return 0;
    case WM_GETMINMAXINFO: {
        RECT outer{0, 0, TwipsToPixels(form3::kMinClientWidth, dpi_),
                   TwipsToPixels(form3::kMinClientHeight, dpi_)};
        AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi_);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {outer.right - outer.left,
                                                                 outer.bottom - outer.top};
        return 0;
    }
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

LRESULT Form3::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (control == Text1 && OfferBoxKey(control, message, wParam, lParam, [this](KeyStroke stroke) {
            return presenter_.Form_KeyDown(KeyScope::BatchAmounts, stroke);
        })) {
        return 0;
    }
    // A paste from the column's own menu is judged as one by the keys is.
    if (control == Text1 && message == WM_PASTE && !pasteLetIn_) {
        presenter_.Text1_Paste();
        return 0;
    }
    if ((control == Text1 || control == Text2) && message == WM_CHAR && wParam == 1) {
        SendMessageW(control, EM_SETSEL, 0, -1); // Ctrl+A, which older edit controls ignore
        return 0;
    }
    return Form::ControlMessage(control, message, wParam, lParam);
}

// The presenter's view on the controls.

void Form3::ShowRestoredInFront() {
    ShowWindow(hwnd_, SW_SHOWNORMAL); // restored, should it have been minimised
    SetForegroundWindow(hwnd_);
    SetFocus(Text1);
}

std::u16string Form3::Amounts() const {
    std::u16string text = win32::TextOf(Text1);
    std::erase(text, u'\r');
    return text;
}

void Form3::ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) {
    const LRESULT start = SendMessageW(Text2, EM_LINEINDEX, first, 0);
    const LRESULT last = SendMessageW(Text2, EM_LINEINDEX, first + count - 1, 0);
    const LRESULT end = last + SendMessageW(Text2, EM_LINELENGTH, static_cast<WPARAM>(last), 0);
    SendMessageW(Text2, EM_SETSEL, static_cast<WPARAM>(start), end);
    SendMessageW(Text2, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(win32::Wide(win32::WithWindowsBreaks(rows)).c_str()));
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Text2, OBJID_CLIENT, CHILDID_SELF);
}

void Form3::ScrollTo(HWND column, std::size_t row) {
    const auto shown = static_cast<std::size_t>(SendMessageW(column, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(column, EM_LINESCROLL, 0, static_cast<LPARAM>(row) - static_cast<LPARAM>(shown));
}

void Form3::ShowStatus(std::u16string_view text) {
    SendMessageW(StatusBar1, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(win32::Wide(text).c_str()));
}

void Form3::PasteIntoAmounts() {
    pasteLetIn_ = true;
    SendMessageW(Text1, WM_PASTE, 0, 0);
    pasteLetIn_ = false;
}

} // namespace qev
