// Hands the maker's home page to the desktop: the statement window's links and the main window's
// status bar open it. Each skin supplies the system's way of doing it, SystemShellOpen; tests put
// a recorder in its place, so no test starts a browser.
#pragma once

#include "ui/maker.h"

#include <cstdint>
#include <functional>

namespace qev {

// The native handle of a window: an HWND on Windows, the window system's id elsewhere.
using NativeWindow = std::uintptr_t;

// What to do when the page could not be opened: called at once, or later, when the system says so.
using OpenFailed = std::function<void()>;

// The desktop's way of opening a web address on behalf of a window.
using ShellOpener = void (*)(NativeWindow owner, const char* address, const OpenFailed& failed);

// The system's own opener, in each skin: the shell's "open" on Windows, the desktop's URL handler
// elsewhere.
void SystemShellOpen(NativeWindow owner, const char* address, const OpenFailed& failed);

// The opener in use: the system's unless a test has put its own in its place. Defined here, in
// the skin that uses it, so that only a skin's program needs the system's opener.
inline ShellOpener& CurrentShellOpener() {
    static ShellOpener opener = &SystemShellOpen;
    return opener;
}

// Puts `opener` in the place of the one in use and returns the one it replaces.
inline ShellOpener SetShellOpener(ShellOpener opener) {
    const ShellOpener previous = CurrentShellOpener();
    CurrentShellOpener() = opener;
    return previous;
}

// Opens the home page on behalf of the window whose native handle is `owner`, and returns at once;
// `failed` hears of a page that did not open.
inline void OpenHomePage(
    NativeWindow owner, const OpenFailed& failed = [] {}) {
    CurrentShellOpener()(owner, kMakerHomePage, failed);
}

} // namespace qev
