// Hands the maker's home page to the desktop: the statement window's links and the main window's
// status bar open it.
#pragma once

#include <QtGui/qwindowdefs.h>

namespace qev {

// The shell's way of opening a file or address, in the order the Windows shell takes them: the
// owner window's native handle, the verb, the file or address, its parameters, the working
// directory and how to show the window that opens it.
using ShellOpener = void (*)(WId owner, const char* verb, const char* file, const char* parameters,
                             const char* directory, int showCommand);

// Puts `opener` in the place of the shell and returns the opener it replaces, so tests can record
// the calls instead of starting a browser.
ShellOpener SetShellOpener(ShellOpener opener);

// Opens the home page on behalf of the window whose native handle is `owner`. Returns at once and
// reports nothing, whether the page opens or not.
void OpenHomePage(WId owner);

} // namespace qev
