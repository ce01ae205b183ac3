// The batch window on Qt: the column of amounts and the column of wordings as plain text boxes,
// row for row, the check box, the copy button and the status line; their events forwarded to the
// window's presenter, and the presenter's view on them.
#pragma once

#include "ui/form3_presenter.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace qev {

class AmountColumn;

class Form3 : public QWidget, private form3::View {
    Q_OBJECT

public:
    // Opens the batch window in the main window's choices, or brings the open one to the front.
    static Form3* Open(const form3::Choices& choices);
    // The main window's choices changed: the open batch window, if any, follows them.
    static void Follow(const form3::Choices& choices);
    ~Form3() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Form3(const form3::Choices& choices);
    void BuildControls();

    // form3::View
    void ShowRestoredInFront() override;
    std::u16string Amounts() const override;
    void ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) override;
    void ScrollAmountsTo(std::size_t row) override;
    void ScrollResultsTo(std::size_t row) override;
    void ShowStatus(std::u16string_view text) override;
    void PasteIntoAmounts() override;
    void Beep() override;
    std::optional<std::u16string> ClipboardText() const override;
    bool SetClipboardText(std::u16string_view rows) override;

    QLabel* Label1 = nullptr;
    AmountColumn* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    form3::Presenter presenter_;
};

} // namespace qev
