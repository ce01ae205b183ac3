#include "ui/statement/open_home_page.h"

#include "ui/maker.h"

namespace qev {

namespace {

// SW_SHOWNORMAL. SW_HIDE (0) can leave a browser that the call starts hidden, so that the click
// shows nothing.
constexpr int kShowNormal = 1;

ShellOpener currentOpener = &SystemShellOpen;

} // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
    const ShellOpener previous = currentOpener;
    currentOpener = opener;
    return previous;
}

void OpenHomePage(NativeWindow owner) {
    currentOpener(owner, "open", kMakerHomePage, nullptr, nullptr, kShowNormal);
}

} // namespace qev
