#include "ui/open_home_page.h"

#include <windows.h>

namespace qev {

void SystemShellOpen(NativeWindow owner, const char* address, const OpenFailed& failed) {
    using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // Bound by name at the first call rather than linked at start-up, from the system folder
    // only: never a shell32.dll that lies beside the program.
    static const auto shellExecute = [] {
        const HMODULE shell32 =
            LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const FARPROC function = shell32 ? GetProcAddress(shell32, "ShellExecuteA") : nullptr;
        return reinterpret_cast<ShellExecuteAFunction>(reinterpret_cast<void (*)()>(function));
    }();
    // Shown as a normal window: SW_HIDE can leave a browser that the call starts hidden, so that
    // the click shows nothing. 32 or less is the shell's failure: no browser took the address.
    if (!shellExecute ||
        reinterpret_cast<INT_PTR>(shellExecute(reinterpret_cast<HWND>(owner), "open", address,
                                               nullptr, nullptr, SW_SHOWNORMAL)) <= 32) {
        failed();
    }
}

} // namespace qev
