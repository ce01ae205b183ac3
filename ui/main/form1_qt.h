// The program's main window: the currency list, the amount box converted as the user types, the
// result box and its three letter-case buttons, the statement link and the status bar.
#pragma once

#include "engine/amount_words.h"
#include "ui/link_look.h"

#include <QMainWindow>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace qev {

class ClickableLabel;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's event handlers, run by the controls' signals and events.
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

    void BuildControls();
    void ConnectHandlers();
    void RememberAmountCaret(int caret);
    // Shows `text` in the status bar for a few seconds in the panel's place; then the panel again.
    void ShowStatusNote(const QString& text);
    // The wording of the result box, on the clipboard; a beep when the box holds none.
    void CopyWording();
    std::optional<std::u16string> ResultBoxWording() const;
    void SetLabel3Look(LinkLook look);

    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label3 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    ClickableLabel* StatusBar1Panel = nullptr;
    QAction* CopyWordingAction = nullptr;

    // Record i is list entry i of Combo1; empty until LoadCurrencyList fills it.
    std::vector<std::u16string_view> CurrencyTable;
    SelectedCurrency Currency;

    // The amount box as the last accepted edit left it, to go back to when an edit is refused.
    QString acceptedAmount_;
    int acceptedCaret_ = 0;
    // Whether the last input to the amount box was a key typed (or a character committed by an
    // input method), not a paste or a drop, so that a refused edit says which it refused.
    bool amountTyped_ = false;
    LinkLook label3Look_;
};

} // namespace qev
