// The statement window on Windows: notes on use, the maker's web address and picture as links to
// the home page, and 确定 to close it.
#pragma once

#include "ui/form2_presenter.h"
#include "win32/form.h"

#include <array>

namespace qev {

class Form2 : public win32::Form, private form2::View {
public:
    // Makes the window if none is open, shows it restored without blocking the main window and
    // brings it to the front. There is never more than one; closing it destroys it.
    static HWND Open();

private:
    Form2() = default;
    ~Form2() override;
    void BuildControls();
    void PlaceControls() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // form2::View
    void ShowRestoredInFront() override;
    void Close() override;
    void OpenHomePage() override;

    HWND Frame1 = nullptr;
    // Element 0 holds statement line 1, element 2 line 2 and element 1 line 3.
    std::array<HWND, 3> Label1{};
    HWND Label3 = nullptr;
    HWND Label4 = nullptr;
    HWND Image1 = nullptr;
    HWND Command1 = nullptr;

    HBITMAP picture_ = nullptr;
    win32::Font font_;        // "宋体" 9 pt, the window's font
    win32::Font addressFont_; // the same underlined, for Label4

    form2::Presenter presenter_{*this};
};

} // namespace qev
