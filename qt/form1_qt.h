// The program's main window on Qt: the design's controls as widgets, their events forwarded to
// the window's presenter, and the presenter's view on those widgets.
#pragma once

#include "qt/form2_qt.h"
#include "qt/form3_qt.h"
#include "qt/setting_store_qt.h"
#include "ui/form1_presenter.h"
#include "ui/open_home_page.h"

#include <QApplication>
#include <QMainWindow>

#include <array>

class QLabel;
class QMenu;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace qev {

class ClickableLabel;
class CurrencyList;
class ResultBox;

class Form1 : public QMainWindow, private form1::View {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void ShowMenu(form1::Box box, QPoint at);
    void AddMenuItems(QMenu& menu, const std::vector<form1::MenuItem>& items, form1::Box box);

    // form1::View
    std::u16string Text(form1::Box box) const override;
    void SetText(form1::Box box, std::u16string_view text) override;
    form1::Selection SelectionIn(form1::Box box) const override;
    void SelectAmount(form1::Selection to) override;
    void Edit(form1::Box box, form1::EditCommand command) override;
    bool CanUndo(form1::Box box) const override;
    bool CanRedo(form1::Box box) const override;
    void SetCurrencyEntries(const std::vector<std::u16string>& entries) override;
    std::optional<std::size_t> CurrencyIndex() const override;
    void SetCurrencyIndex(std::size_t index) override;
    std::u16string CurrencyFieldText() const override;
    void SelectCurrencyField(form1::Selection selection) override;
    void SetCurrencyDropWidth(int twips) override;
    int CurrencyListScreenRoom() const override;
    int TextWidth(std::u16string_view text, form1::TextFont font) const override;
    int ScrollBarWidth() const override;
    form1::OuterSize WindowSize() const override;
    void SetWindowSize(int width, int height) override;
    void FocusAmountBox() override;
    void SetMinimumSize(int width, int height) override;
    void PlaceBoxes(const form1::Layout& layout) override;
    void Beep() override { QApplication::beep(); }
    void ShowStatusNote(std::u16string_view note) override;
    std::optional<std::u16string> ClipboardText() const override;
    bool SetClipboardText(std::u16string_view text) override;
    void SetLinkLook(LinkLook look) override;
    void ShowStatementWindow() override { Form2::Open(); }
    void ShowBatchWindow(const form3::Choices& choices) override { Form3::Open(choices); }
    void ChoicesChanged(const form3::Choices& choices) override { Form3::Follow(choices); }
    void OpenHomePage() override;

    CurrencyList* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    ResultBox* Text2 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label3 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    ClickableLabel* StatusBar1Panel = nullptr;

    QtSettingStore settings_;
    form1::Presenter presenter_{*this, settings_};
};

} // namespace qev
