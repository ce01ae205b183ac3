// What the two Windows forms share: the object behind each window and its window class, the
// window's DPI, the focus it gives back when activated, controls subclassed into the form, texts
// and fonts as the Win32 API takes them, and the program's end when its last form closes.
#pragma once

#include "ui/twips.h"
#include "ui/window_keys.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qev::win32 {

// A control's id is its place in its window's design table plus this, so that no control is
// IDOK or IDCANCEL, which Enter and Escape send to the window.
inline constexpr int kFirstControlId = 100;
constexpr int ControlId(std::size_t place) {
    return kFirstControlId + static_cast<int>(place);
}

// The fewest pixels that come to at least `twips` at `dpi`, so a minimum in twips is kept.
constexpr int PixelsAtLeast(int twips, UINT dpi) {
    return static_cast<int>((static_cast<long long>(twips) * dpi + kTwipsPerInch - 1) /
                            kTwipsPerInch);
}

std::wstring Wide(std::u16string_view text);
// A text with Windows' line breaks for its line feeds.
std::u16string WithWindowsBreaks(std::u16string_view text);
std::u16string TextOf(HWND window);
void SetText(HWND window, std::u16string_view text);

// The clipboard's text, and the clipboard given a text, on behalf of a window; line feeds go on as
// Windows' line breaks.
std::optional<std::u16string> ClipboardText(HWND owner);
bool SetClipboardText(HWND owner, std::u16string_view text);

// A design colour, 0x00BBGGRR or, with the top bit set, a system colour by its index; under a
// high-contrast theme a fixed one is the theme's colour for its use.
COLORREF ColourRef(std::uint32_t colour);
// Whether the desktop draws in a high-contrast theme; while set, `pretendHighContrast` answers in
// the system's place (Wine has no such themes: its tests pretend).
bool HighContrastOn();
inline std::optional<bool> pretendHighContrast;

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A face at `points` for `dpi`, normal weight, character set GB2312: the designs' "宋体" (SimSun).
Font SongFont(std::u16string_view face, double points, UINT dpi, bool underline = false,
              bool italic = false);
// The size of a Chinese desktop's default font, which the designs leave to the window's buttons.
inline constexpr double kDefaultFontPoints = 9;

// Moves a control to its design place, in twips of its parent's client area.
void Place(HWND control, const TwipsRect& twips, UINT dpi);
// A control's rectangle in its parent's client area, in pixels.
RECT ChildRect(HWND control);

// Hands a message from the queue to its window, with each form's keys of the whole window first,
// and the dialog keys in both forms: Tab and Shift+Tab through the controls in tab order.
void Dispatch(MSG& message);

class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return hwnd_; }
    // The keys of the whole window of the form that `window` is, if any.
    static HACCEL KeysOf(HWND window);

protected:
    Form() = default;
    virtual ~Form() { DestroyAcceleratorTable(keys_); }

    // Makes the window, registering its class on first use; the window owns this object from
    // then on and deletes it when it is destroyed. The window is hidden and has no controls.
    bool CreateWindowOfClass(const wchar_t* className, HICON icon, DWORD style, DWORD exStyle,
                             std::u16string_view title);
    // Makes a control with the design's id, as a child of `parent`, subclassed into this form.
    HWND CreateControl(HWND parent, std::size_t place, const wchar_t* className, DWORD style,
                       DWORD exStyle, std::u16string_view text);
    // Sizes the window so that its client area has this size in twips at the window's DPI.
    void SizeClientArea(int widthTwips, int heightTwips);
    // Makes the window-key table's keys of `scope` this window's keys: each comes as WM_COMMAND,
    // which WindowKeyOf reads back into its stroke.
    void BindWindowKeys(KeyScope scope);
    static std::optional<KeyStroke> WindowKeyOf(WPARAM command);
    // A key down in a box, offered to `take`: true when taken, and then the character the
    // keyboard has already made of the key is dropped, so that the box does not act on it too.
    static bool OfferBoxKey(HWND box, UINT message, WPARAM key, LPARAM flags,
                            const std::function<bool(KeyStroke)>& take);

    // The window's own messages, and those of its controls; by default the system's handling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    // Makes the fonts for dpi_ and puts every control at its design place, without redrawing: the
    // fonts it replaces are gone before every control has its new one.
    virtual void PlaceControls() = 0;

    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // Takes the focus when the window is activated: the control last focused, or the design's
    // first.
    HWND focus_ = nullptr;
    // Keys of the whole window, as accelerators: WM_COMMAND with 1 in its high word.
    HACCEL keys_ = nullptr;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR form);
};

} // namespace qev::win32
