// QEV英文金额大写转换工具 on Windows: starts the main window and runs the messages until the
// program's last window has closed.
#include "ui/main/form1_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
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
