// Hands the maker's home page to the desktop: the statement window's links and the main window's
// status bar open it. Each front end supplies the system's way of doing it.
#pragma once

#include <cstdint>

namespace qev {

// The native handle of a window: an HWND on Windows, the window system's id elsewhere.
using NativeWindow = std::uintptr_t;

// The desktop's way of opening a web address on behalf of a window.
using ShellOpener = void (*)(NativeWindow owner, const char* address);

// The system's own opener: the shell's "open" on Windows, the desktop's URL handler elsewhere.
void SystemShellOpen(NativeWindow owner, const char* address);

// Puts `opener` in the place of the system's and returns the opener it replaces, so tests can
// record the calls instead of starting a browser.
ShellOpener SetShellOpener(ShellOpener opener);

// Opens the home page on behalf of the window whose native handle is `owner`. Returns at once and
// reports nothing, whether the page opens or not.
void OpenHomePage(NativeWindow owner);

} // namespace qev
