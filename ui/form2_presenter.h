// The statement window's behaviour, written once for both front ends: there is never more than
// one, 确定 closes it, and its picture and web address open the home page.
#pragma once

#include "ui/one_window.h"

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

// There is never more than one statement window.
inline View* Open(const std::function<View*()>& make) {
    return OneWindow<View>::Open(make);
}
inline void Closed(const View& window) {
    OneWindow<View>::Closed(window);
}

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
