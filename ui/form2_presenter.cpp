#include "ui/form2_presenter.h"

namespace qev::form2 {

namespace {

View* openWindow = nullptr;

} // namespace

View* Open(const std::function<View*()>& make) {
    if (!openWindow) {
        openWindow = make();
    }
    if (openWindow) {
        openWindow->ShowRestoredInFront();
    }
    return openWindow;
}

void Closed(const View& window) {
    if (openWindow == &window) {
        openWindow = nullptr;
    }
}

} // namespace qev::form2
