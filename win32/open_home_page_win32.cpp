#include "ui/open_home_page.h"

#include <windows.h>

namespace qev {

void SystemShellOpen(NativeWindow owner, const char* address) {
    using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // Bound by name at the first call rather than linked at start-up, from the system folder
    // only: never a shell32.dll that lies beside the program.
    static const auto shellExecute = [] {
        const HMODULE shell32 =
            LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const FARPROC function = shell32 ? GetProcAddress(shell32, "ShellExecuteA") : nullptr;
        return reinterpret_cast<ShellExecuteAFunction>(reinterpret_cast<void (*)()>(function));
    }();
    if (shellExecute) {
        // Shown as a normal window: SW_HIDE can leave a browser that the call starts hidden, so
        // that the click shows nothing. The result is not looked at: a page that does not open
        // is not reported.
        shellExecute(reinterpret_cast<HWND>(owner), "open", address, nullptr, nullptr,
                     SW_SHOWNORMAL);
    }
}

} // namespace qev
