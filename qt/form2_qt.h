// The statement window: notes on use, the maker's web address and picture as links to the home
// page, and 确定 to close it.
#pragma once

#include "ui/form2_presenter.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qev {

class ClickableLabel;

class Form2 : public QWidget, private form2::View {
    Q_OBJECT

public:
    // Builds the window if none is open, shows it restored without blocking the main window and
    // brings it to the front. There is never more than one; closing it destroys it.
    static Form2* Open();
    ~Form2() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form2();
    void BuildControls();

    // form2::View
    void ShowRestoredInFront() override;
    void Close() override;
    void OpenHomePage() override;

    QGroupBox* Frame1 = nullptr;
    // Element 0 holds statement line 1, element 2 line 2 and element 1 line 3.
    std::array<QLabel*, 3> Label1{};
    QLabel* Label3 = nullptr;
    ClickableLabel* Label4 = nullptr;
    ClickableLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;

    form2::Presenter presenter_{*this};
};

} // namespace qev
