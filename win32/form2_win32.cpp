#include "win32/form2_win32.h"

#include "ui/form2_design.h"
#include "ui/open_home_page.h"
#include "win32/accessible_win32.h"

#include <commctrl.h>

#include <algorithm>

namespace qev {

HWND Form2::Open() {
    form2::View* open = form2::Open([]() -> form2::View* {
        auto* form = new Form2;
        // A fixed tool window with only a close box, without a taskbar button, owned by no other
        // window: it stays open when the main window closes.
        if (!form->CreateWindowOfClass(L"QevForm2", nullptr,
                                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW,
                                       form2::kTitle)) {
            return nullptr;
        }
        form->BuildControls();
        form->PlaceControls();
        form->SizeClientArea(form2::kClientWidth, form2::kClientHeight);
        form->focus_ = form->Command1;
        return form;
    });
    return open ? static_cast<Form2*>(open)->hwnd_ : nullptr;
}

Form2::~Form2() {
    form2::Closed(*this); // the next opening builds the window anew
    DeleteObject(picture_);
}

void Form2::ShowRestoredInFront() {
    ShowWindow(hwnd_, SW_SHOWNORMAL); // restored, should it have been minimised
    SetForegroundWindow(hwnd_);
}

void Form2::Close() {
    DestroyWindow(hwnd_);
}

void Form2::OpenHomePage() {
    qev::OpenHomePage(reinterpret_cast<NativeWindow>(hwnd_));
}

void Form2::BuildControls() {
    // Made from the design's last control to its first, so that the later ones lie above the
    // earlier ones as designed: the web address over line 3, the labels over Frame1. As in a
    // dialog, the frame only frames: the labels are the window's own controls, so their colours
    // and clicks come to the window.
    for (std::size_t place = form2::kControls.size(); place-- > 0;) {
        const form2::Control& design = form2::kControls[place];
        const auto make = [&](const wchar_t* className, DWORD style) {
            const HWND made = CreateControl(hwnd_, place, className, style, 0, design.text);
            win32::MakeAccessible(made, "Form2", design.name, design.index);
            return made;
        };
        switch (design.kind) {
        case form2::Kind::Frame:
            Frame1 = make(WC_BUTTONW, BS_GROUPBOX);
            break;
        case form2::Kind::StatementLine: // wrapped inside its rectangle
            (design.index >= 0 ? Label1[static_cast<std::size_t>(design.index)] : Label3) =
                make(WC_STATICW, SS_LEFT);
            break;
        case form2::Kind::Address:
            Label4 = make(WC_STATICW, SS_LEFT | SS_NOTIFY);
            break;
        case form2::Kind::Picture:
            Image1 = make(WC_STATICW, SS_OWNERDRAW | SS_NOTIFY);
            break;
        case form2::Kind::Button:
            // No default button: Enter and Space press it only while it has the focus.
            Command1 = make(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
            break;
        }
    }
    picture_ = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), L"STATEMENT_PICTURE",
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void Form2::PlaceControls() {
    font_ = win32::SongFont(form2::kSongFace, form2::kSongFacePoints, dpi_);
    addressFont_ = win32::SongFont(form2::kSongFace, form2::kSongFacePoints, dpi_, true);
    const TwipsRect frame =
        std::find_if(form2::kControls.begin(), form2::kControls.end(), [](const auto& control) {
            return control.kind == form2::Kind::Frame;
        })->place;
    for (std::size_t place = 0; place < form2::kControls.size(); ++place) {
        const form2::Control& design = form2::kControls[place];
        const HWND control = GetDlgItem(hwnd_, win32::ControlId(place));
        const bool address = design.kind == form2::Kind::Address;
        TwipsRect twips = design.place;
        if (address || design.kind == form2::Kind::StatementLine) { // placed in Frame1
            twips.left += frame.left;
            twips.top += frame.top;
        }
        win32::Place(control, twips, dpi_);
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>((address ? addressFont_ : font_).get()), FALSE);
    }
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        // Escape comes as IDCANCEL, which no control has.
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        if (from == Command1 && code == BN_CLICKED) {
            presenter_.Command1_Click();
        } else if (from == Image1 && code == STN_CLICKED) {
            presenter_.Image1_Click();
        } else if (from == Label4 && code == STN_CLICKED) {
            presenter_.Label4_Click();
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == Label4) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, win32::ColourRef(form2::kAddressColour));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_SETCURSOR: // the two links show the hand
        if (reinterpret_cast<HWND>(wParam) == Label4 || reinterpret_cast<HWND>(wParam) == Image1) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_DRAWITEM: {
        // The picture stretched to fill its control: 132 pixels wide, squeezed into 116 at 96 dpi.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != Image1) {
            break;
        }
        BITMAP picture{};
        GetObjectW(picture_, sizeof(picture), &picture);
        const HDC source = CreateCompatibleDC(item.hDC);
        const HGDIOBJ previous = SelectObject(source, picture_);
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top,
                   item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top,
                   source, 0, 0, picture.bmWidth, picture.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        return TRUE;
    }
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace qev
