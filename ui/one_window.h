// A window there is never more than one of: made when none is open, and shown restored and in
// front at every opening; the statement window and the batch window are such.
#pragma once

#include <functional>

namespace qev {

template <typename View>
class OneWindow {
public:
    // Opens the window: made by `make` when none is open, then shown restored and in front.
    // Returns the window open, or nothing when it could not be made.
    static View* Open(const std::function<View*()>& make) {
        if (!open_) {
            open_ = make();
        }
        if (open_) {
            open_->ShowRestoredInFront();
        }
        return open_;
    }
    // The window open, if any.
    static View* Current() { return open_; }
    // Told by the window as it closes: the next opening makes it anew.
    static void Closed(const View& window) {
        if (open_ == &window) {
            open_ = nullptr;
        }
    }

private:
    static inline View* open_ = nullptr;
};

} // namespace qev
