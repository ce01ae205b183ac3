#include "ui/open_home_page.h"

#include <emscripten/val.h>

namespace qev {

// A new tab or window of the browser, which a pop-up blocker may refuse: then there is none. The
// page opened gets no hold on this one.
void SystemShellOpen(NativeWindow, const char* address, const OpenFailed& failed) {
    using emscripten::val;
    val opened =
        val::global("window").call<val>("open", std::string(address), std::string("_blank"));
    if (opened.isNull() || opened.isUndefined()) {
        failed();
    } else {
        opened.set("opener", val::null());
    }
}

} // namespace qev
