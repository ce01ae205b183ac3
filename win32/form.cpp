#include "win32/form.h"

#include "ui/link_look.h"

#include <commctrl.h>

#include <cmath>
#include <vector>

namespace qev::win32 {

namespace {

// Forms whose window is open: the program ends when the last one closes, whichever it is.
int openForms = 0;

// The window's keys are commands below the controls' ids, beside IDOK and IDCANCEL: the first of
// kWindowKeys is this one.
constexpr WORD kFirstKeyCommand = 50;

// The virtual key of a stroke's key, and the key of a virtual key; 0 for none of the table's.
WORD VirtualKey(char16_t key) {
    return key == kBackspaceKey ? VK_BACK
           : key == kInsertKey  ? VK_INSERT
           : key == kF1Key      ? VK_F1
                                : key;
}
char16_t KeyOf(WPARAM virtualKey) {
    return virtualKey >= 'A' && virtualKey <= 'Z' ? static_cast<char16_t>(virtualKey)
           : virtualKey == VK_BACK                ? kBackspaceKey
           : virtualKey == VK_INSERT              ? kInsertKey
                                                  : 0;
}

} // namespace

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

std::u16string TextOf(HWND window) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)), u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                      static_cast<int>(text.size() + 1));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void SetText(HWND window, std::u16string_view text) {
    SetWindowTextW(window, Wide(text).c_str());
}

std::optional<std::u16string> ClipboardText(HWND owner) {
    std::optional<std::u16string> text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(owner)) {
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

std::u16string WithWindowsBreaks(std::u16string_view text) {
    std::u16string windows;
    windows.reserve(text.size() + text.size() / 16);
    for (const char16_t c : text) {
        windows.append(c == u'\n' ? u"\r\n" : std::u16string(1, c));
    }
    return windows;
}

bool SetClipboardText(HWND owner, std::u16string_view text) {
    const std::u16string windows = WithWindowsBreaks(text);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (windows.size() + 1) * sizeof(char16_t));
    if (auto* units = memory ? static_cast<char16_t*>(GlobalLock(memory)) : nullptr) {
        units[windows.copy(units, windows.size())] = u'\0';
        GlobalUnlock(memory);
        if (OpenClipboard(owner)) {
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

COLORREF ColourRef(std::uint32_t colour) {
    colour = HighContrastOn() ? HighContrastColour(colour) : colour;
    return colour & kSystemColour ? GetSysColor(static_cast<int>(colour & 0xff)) : colour;
}

bool HighContrastOn() {
    HIGHCONTRASTW theme{};
    theme.cbSize = sizeof(theme);
    return pretendHighContrast.value_or(
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(theme), &theme, 0) &&
        (theme.dwFlags & HCF_HIGHCONTRASTON));
}

Font SongFont(std::u16string_view face, double points, UINT dpi, bool underline, bool italic) {
    LOGFONTW font{};
    font.lfHeight = -std::lround(points * dpi / 72);
    font.lfWeight = FW_NORMAL;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfCharSet = GB2312_CHARSET;
    Wide(face).copy(font.lfFaceName, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

void Place(HWND control, const TwipsRect& twips, UINT dpi) {
    SetWindowPos(control, nullptr, TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
                 TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ChildRect(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Dispatch(MSG& message) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const HACCEL keys = Form::KeysOf(root);
    if (!(keys && TranslateAcceleratorW(root, keys, &message)) &&
        !IsDialogMessageW(root, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Form::BindWindowKeys(KeyScope scope) {
    std::vector<ACCEL> keys;
    for (std::size_t i = 0; i < kWindowKeys.size(); ++i) {
        const KeyStroke stroke = kWindowKeys[i].stroke;
        if (kWindowKeys[i].scope == scope) {
            keys.push_back(
                {static_cast<BYTE>(FVIRTKEY | (stroke.ctrl ? FCONTROL : 0) |
                                   (stroke.shift ? FSHIFT : 0) | (stroke.alt ? FALT : 0)),
                 VirtualKey(stroke.key), static_cast<WORD>(kFirstKeyCommand + i)});
        }
    }
    keys_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

std::optional<KeyStroke> Form::WindowKeyOf(WPARAM command) {
    const std::size_t key = LOWORD(command) - kFirstKeyCommand;
    return HIWORD(command) == 1 && key < kWindowKeys.size() ? std::optional(kWindowKeys[key].stroke)
                                                            : std::nullopt;
}

bool Form::OfferBoxKey(HWND box, UINT message, WPARAM key, LPARAM flags,
                       const std::function<bool(KeyStroke)>& take) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) {
        return false;
    }
    const bool alt = message == WM_SYSKEYDOWN && (flags & (1 << 29)) != 0;
    const KeyStroke stroke{KeyOf(key), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, alt};
    if (!stroke.key || !take(stroke)) {
        return false;
    }
    // Ctrl+Z's or Alt+Backspace's character is already queued.
    MSG character;
    PeekMessageW(&character, box, WM_CHAR, WM_CHAR, PM_REMOVE) ||
        PeekMessageW(&character, box, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE);
    return true;
}

HACCEL Form::KeysOf(HWND window) {
    // Only a form's own window holds a form in its user data.
    const bool form = window && GetWindowLongPtrW(window, GWLP_WNDPROC) ==
                                    reinterpret_cast<LONG_PTR>(&WindowProcedure);
    const auto* of =
        form ? reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
    return of ? of->keys_ : nullptr;
}

bool Form::CreateWindowOfClass(const wchar_t* className, HICON icon, DWORD style, DWORD exStyle,
                               std::u16string_view title) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = &WindowProcedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = icon;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    return CreateWindowExW(exStyle, className, Wide(title).c_str(), style, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                           this) != nullptr;
}

HWND Form::CreateControl(HWND parent, std::size_t place, const wchar_t* className, DWORD style,
                         DWORD exStyle, std::u16string_view text) {
    const HWND control = CreateWindowExW(
        exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(place))),
        GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(control, &ControlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    return control;
}

void Form::SizeClientArea(int widthTwips, int heightTwips) {
    RECT outer{0, 0, TwipsToPixels(widthTwips, dpi_), TwipsToPixels(heightTwips, dpi_)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        // As a dialog does: the focus leaves with the window and comes back where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            focus_ = focus && IsChild(hwnd_, focus) ? focus : focus_;
        } else if (focus_ && !HIWORD(wParam)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_SHOWWINDOW: // the focus shown from the start (below)
        if (wParam) {
            SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        }
        break;
    case WM_CHANGEUISTATE:
        // The focus stays shown for a clerk on the keyboard alone, where the desktop would hide it
        // until a key is pressed: whatever else a change does, it keeps the focus shown.
        DefWindowProcW(hwnd_, message, wParam, lParam);
        return DefWindowProcW(hwnd_, message, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    case WM_NEXTDLGCTL:
        // A multi-line box passes Tab on this way, as it does in a dialog.
        SetFocus(lParam ? reinterpret_cast<HWND>(wParam)
                        : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0));
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another DPI: fonts and places anew, and the size Windows offers.
        dpi_ = HIWORD(wParam);
        PlaceControls();
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        const RECT& offered = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, offered.left, offered.top, offered.right - offered.left,
                     offered.bottom - offered.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Form::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        form->dpi_ = GetDpiForWindow(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        ++openForms;
    } else if (message == WM_NCDESTROY && form) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete form;
        if (--openForms == 0) {
            PostQuitMessage(0);
        }
    }
    // Enter comes as IDOK, as in a dialog: it presses the push button that has the focus, however
    // the focus came there (the dialog manager marks a button default only when it moves the
    // focus itself, not when a multi-line box passes Tab on).
    if (form && message == WM_COMMAND && LOWORD(wParam) == IDOK && lParam == 0) {
        const HWND focus = GetFocus();
        wchar_t kind[8] = {};
        if (focus && IsChild(window, focus) && GetClassNameW(focus, kind, 8) &&
            lstrcmpiW(kind, WC_BUTTONW) == 0 &&
            (GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            return 0;
        }
    }
    return form && message != WM_NCDESTROY ? form->HandleMessage(message, wParam, lParam)
                                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Form::ControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR form) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &ControlProcedure, 0);
    }
    return reinterpret_cast<Form*>(form)->ControlMessage(control, message, wParam, lParam);
}

} // namespace qev::win32
