// The statement window's behaviour, written once for both front ends: there is never more than
// one, 确定 closes it, and its picture and web address open the home page.
#pragma once

#include <functional>

namespace qev::form2 {

// What the presenter asks of the real window.
class View {
public:
    virtual ~View() = default;
    // Shown restored (should it have been minimised), without blocking the main window, in front.
    virtual void ShowRestoredInFront() = 0;
    // Closed and discarded: the next opening builds the window anew.
    virtual void Close() = 0;
    // The home page, on behalf of this window.
    virtual void OpenHomePage() = 0;
};

// Opens the statement window: made by `make` when none is open, then shown restored and in
// front. Returns the window open, or nothing when it could not be made.
View* Open(const std::function<View*()>& make);
// Told by the window as it closes.
void Closed(const View& window);

class Presenter {
public:
    explicit Presenter(View& view) : view_(view) {}
    void Command1_Click() { view_.Close(); }
    void Image1_Click() { view_.OpenHomePage(); }
    void Label4_Click() { view_.OpenHomePage(); }

private:
    View& view_;
};

} // namespace qev::form2
