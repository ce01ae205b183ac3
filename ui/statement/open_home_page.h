// Hands the maker's home page to the desktop: the statement window's links and the main window's
// status bar open it. Each front end supplies the system's way of doing it.
#pragma once

#include <cstdint>

namespace qev {

// The native handle of a window: an HWND on Windows, the window system's id elsewhere.
using NativeWindow = std::uintptr_t;

// The shell's way of opening a file or address, in the order the Windows shell takes them: the
// owner window's native handle, the verb, the file or address, its parameters, the working
// directory and how to show the window that opens it.
using ShellOpener = void (*)(NativeWindow owner, const char* verb, const char* file,
                             const char* parameters, const char* directory, int showCommand);

// The system's own opener: ShellExecuteA on Windows, the desktop's URL handler elsewhere.
void SystemShellOpen(NativeWindow owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand);

// Puts `opener` in the place of the shell and returns the opener it replaces, so tests can record
// the calls instead of starting a browser.
ShellOpener SetShellOpener(ShellOpener opener);

// Opens the home page on behalf of the window whose native handle is `owner`, shown as a normal
// window (SW_SHOWNORMAL). Returns at once and reports nothing, whether the page opens or not.
void OpenHomePage(NativeWindow owner);

} // namespace qev
