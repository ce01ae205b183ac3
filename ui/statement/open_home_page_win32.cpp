#include "ui/statement/open_home_page.h"

#include <windows.h>

namespace qev {

void SystemShellOpen(NativeWindow owner, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand) {
    using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // Bound by name at the first call rather than linked at start-up.
    static const auto shellExecute = [] {
        const HMODULE shell32 = LoadLibraryA("shell32.dll");
        const FARPROC address = shell32 ? GetProcAddress(shell32, "ShellExecuteA") : nullptr;
        return reinterpret_cast<ShellExecuteAFunction>(reinterpret_cast<void (*)()>(address));
    }();
    if (shellExecute) {
        // The result is not looked at: a page that does not open is not reported.
        shellExecute(reinterpret_cast<HWND>(owner), verb, file, parameters, directory, showCommand);
    }
}

} // namespace qev
