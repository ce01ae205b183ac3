#include "ui/statement/open_home_page.h"

#include "ui/maker.h"

namespace qev {

namespace {

ShellOpener currentOpener = &SystemShellOpen;

} // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
    const ShellOpener previous = currentOpener;
    currentOpener = opener;
    return previous;
}

void OpenHomePage(NativeWindow owner) {
    currentOpener(owner, kMakerHomePage);
}

} // namespace qev
