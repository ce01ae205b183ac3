// The program's main window on Windows: the design's controls as native controls, their messages
// forwarded to the window's presenter, and the presenter's view on those controls.
#pragma once

#include "ui/form1_presenter.h"
#include "ui/open_home_page.h"
#include "win32/form.h"
#include "win32/form2_win32.h"
#include "win32/form3_win32.h"
#include "win32/setting_store_win32.h"

#include <array>

namespace qev {

class Form1 : public win32::Form, private form1::View {
public:
    // Makes the window with its controls, runs Form_Load and gives the window its first size;
    // the caller shows it. The window owns the object.
    static HWND Create();

private:
    Form1() = default;
    void BuildControls();
    void PlaceControls() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    void ShowMenu(form1::Box box, POINT at);
    HWND BoxOf(form1::Box box) const { return box == form1::Box::Amount ? Text1 : Text2; }
    // The currency list's field, an edit control of its own.
    HWND CurrencyField() const;

    // form1::View
    std::u16string Text(form1::Box box) const override { return win32::TextOf(BoxOf(box)); }
    // A result written is told to screen readers as the result box's new value.
    void SetText(form1::Box box, std::u16string_view text) override {
        win32::SetText(BoxOf(box), text);
        if (box == form1::Box::Result) {
            NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Text2, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    form1::Selection SelectionIn(form1::Box box) const override;
    void SelectAmount(form1::Selection to) override {
        SendMessageW(Text1, EM_SETSEL, to.anchor, static_cast<LPARAM>(to.caret));
    }
    void Edit(form1::Box box, form1::EditCommand command) override;
    bool CanUndo(form1::Box box) const override {
        return SendMessageW(BoxOf(box), EM_CANUNDO, 0, 0);
    }
    bool CanRedo(form1::Box) const override { return false; } // an edit control undoes its undo
    void SetCurrencyEntries(const std::vector<std::u16string>& entries) override;
    std::optional<std::size_t> CurrencyIndex() const override;
    void SetCurrencyIndex(std::size_t index) override {
        SendMessageW(Combo1, CB_SETCURSEL, index, 0);
    }
    std::u16string CurrencyFieldText() const override { return win32::TextOf(Combo1); }
    void SelectCurrencyField(form1::Selection selection) override;
    void SetCurrencyDropWidth(int twips) override {
        SendMessageW(Combo1, CB_SETDROPPEDWIDTH, TwipsToPixels(twips, dpi_), 0);
    }
    int CurrencyListScreenRoom() const override;
    int TextWidth(std::u16string_view text, form1::TextFont font) const override;
    int ScrollBarWidth() const override {
        return PixelsToTwips(GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_), dpi_);
    }
    form1::OuterSize WindowSize() const override;
    void SetWindowSize(int width, int height) override {
        SetWindowPos(hwnd_, nullptr, 0, 0, win32::PixelsAtLeast(width, dpi_),
                     win32::PixelsAtLeast(height, dpi_), SWP_NOMOVE | SWP_NOZORDER);
    }
    void FocusAmountBox() override { SetFocus(Text1); }
    void SetMinimumSize(int width, int height) override { minimum_ = {width, height}; }
    void PlaceBoxes(const form1::Layout& layout) override;
    void Beep() override { MessageBeep(MB_OK); }
    void ShowStatusNote(std::u16string_view note) override;
    std::optional<std::u16string> ClipboardText() const override {
        return win32::ClipboardText(hwnd_);
    }
    bool SetClipboardText(std::u16string_view text) override {
        return win32::SetClipboardText(hwnd_, text);
    }
    void SetLinkLook(LinkLook look) override;
    void ShowStatementWindow() override { Form2::Open(); }
    void ShowBatchWindow(const form3::Choices& choices) override { Form3::Open(choices); }
    void ChoicesChanged(const form3::Choices& choices) override { Form3::Follow(choices); }
    void OpenHomePage() override {
        qev::OpenHomePage(reinterpret_cast<NativeWindow>(hwnd_),
                          [this] { presenter_.HomePageNotOpened(); });
    }

    HWND Combo1 = nullptr;
    HWND Text1 = nullptr;
    HWND Text2 = nullptr;
    std::array<HWND, 3> Command1{};
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND Picture1 = nullptr;
    HWND Label3 = nullptr;
    HWND StatusBar1 = nullptr;

    LinkLook label3Look_;
    SIZE minimum_{};              // in twips, as the presenter gives it
    win32::Font songFont_;        // the design's "宋体" 10.5 pt
    win32::Font linkFont_;        // the same underlined, for Label3
    win32::Font hoveredLinkFont_; // and italic
    win32::Font defaultFont_;     // the window's default font, for the buttons

    RegistrySettingStore settings_;
    form1::Presenter presenter_{*this, settings_};
};

} // namespace qev
