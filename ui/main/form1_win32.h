// The program's main window on Windows: the currency list, the amount box converted as the user
// types, the result box and its three letter-case buttons, the statement link and the status bar.
#pragma once

#include "engine/amount_words.h"
#include "ui/link_look.h"
#include "ui/win32/form.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qev {

class Form1 : public win32::Form {
public:
    // Makes the window with its controls, runs Form_Load and gives the window its first size;
    // the caller shows it. The window owns the object.
    static HWND Create();

private:
    // The window's event handlers, run by its messages and its controls' notifications.
    void Form_Load();
    void Form_Resize();
    void Combo1_Click();
    void Text1_Change();
    void Command1_Click(int index);
    void Label3_MouseMove();
    void Label3_MouseDown(int button);
    void Label3_MouseUp();
    void Picture1_MouseMove();
    void StatusBar1_PanelClick();

    void LoadCurrencyList();

    Form1() = default;
    void BuildControls();
    void PlaceControls() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Shows `text` across the status bar for a few seconds in the panel's place; then the panel.
    void ShowStatusNote(std::u16string_view text);
    // The wording of the result box, on the clipboard; a beep when the box holds none.
    void CopyWording();
    void ShowResultBoxMenu(POINT at);
    void SetLabel3Look(LinkLook look);

    HWND Combo1 = nullptr;
    HWND Text1 = nullptr;
    HWND Text2 = nullptr;
    std::array<HWND, 3> Command1{};
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND Picture1 = nullptr;
    HWND Label3 = nullptr;
    HWND StatusBar1 = nullptr;

    // Record i is list entry i of Combo1; empty until LoadCurrencyList fills it.
    std::vector<std::u16string_view> CurrencyTable;
    SelectedCurrency Currency;
    // The entry that Currency came from: the list shows it again when its field loses the focus.
    LRESULT currencyIndex_ = 0;

    // The amount box as the last accepted edit left it, and its selection before the user's
    // latest key or paste: where a refused edit puts it back.
    std::u16string acceptedAmount_;
    DWORD selectionBefore_[2] = {};
    bool restoringAmount_ = false;
    // Whether the amount box's input being handled is a typed character, not a paste, so that a
    // refused edit says which it refused.
    bool amountTyped_ = false;
    LinkLook label3Look_;

    win32::Font songFont_;        // the design's "宋体" 10.5 pt
    win32::Font linkFont_;        // the same underlined, for Label3
    win32::Font hoveredLinkFont_; // and italic
    win32::Font defaultFont_; // the window's default font: "宋体" 9 pt, as on a Chinese desktop
};

} // namespace qev
