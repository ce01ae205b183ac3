// QEV英文金额大写转换工具 on Windows: starts the main window and runs the messages until the
// program's last window has closed.
#include "win32/form1_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    // A portable program is often run from a downloads folder: every library loaded from here on
    // comes from the system folder, never from one lying beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const HWND window = qev::Form1::Create();
    if (!window) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        qev::win32::Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}
