// The batch window on Windows: the column of amounts and the column of wordings as plain edit
// controls, row for row, the check box, the copy button and the status bar; their messages
// forwarded to the window's presenter, and the presenter's view on those controls.
#pragma once

#include "ui/form3_presenter.h"
#include "win32/form.h"

namespace qev {

class Form3 : public win32::Form, private form3::View {
public:
    // Opens the batch window in the main window's choices, or brings the open one to the front.
    static HWND Open(const form3::Choices& choices);
    // The main window's choices changed: the open batch window, if any, follows them.
    static void Follow(const form3::Choices& choices);

private:
    explicit Form3(const form3::Choices& choices) : presenter_(*this, choices) {}
    ~Form3() override;
    void BuildControls();
    void PlaceControls() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;

    // form3::View
    void ShowRestoredInFront() override;
    std::u16string Amounts() const override;
    void ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) override;
    void ScrollAmountsTo(std::size_t row) override { ScrollTo(Text1, row); }
    void ScrollResultsTo(std::size_t row) override { ScrollTo(Text2, row); }
    void ShowStatus(std::u16string_view text) override;
    void PasteIntoAmounts() override;
    void Beep() override { MessageBeep(MB_OK); }
    std::optional<std::u16string> ClipboardText() const override {
        return win32::ClipboardText(hwnd_);
    }
    bool SetClipboardText(std::u16string_view rows) override {
        return win32::SetClipboardText(hwnd_, rows);
    }
    static void ScrollTo(HWND column, std::size_t row);

    HWND Label1 = nullptr;
    HWND Text1 = nullptr;
    HWND Label2 = nullptr;
    HWND Text2 = nullptr;
    HWND Check1 = nullptr;
    HWND Command1 = nullptr;
    HWND StatusBar1 = nullptr;

    win32::Font font_; // "宋体" 9 pt, the window's font
    bool pasteLetIn_ = false;

    form3::Presenter presenter_;
};

} // namespace qev
