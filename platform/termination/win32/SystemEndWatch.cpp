#include "platform/termination/win32/SystemEndWatch.h"

#include <windows.h>

#include "platform/termination/Termination.h"

namespace platform::termination {

namespace {

constexpr wchar_t kWindowClass[] = L"VelorinSystemEndWatch";
// What a console program ended by its control event exits with when it has no handler, so that
// the one who sent the event sees why.
constexpr UINT kEndedByConsole = 0xC000013AU;

[[noreturn]] void EndAfterCleanups(UINT status) {
    RunCleanupsBeforeEnd();
    ::TerminateProcess(::GetCurrentProcess(), status);
    ::ExitProcess(status);
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            EndAfterCleanups(kEndedByConsole);
        default:
            return FALSE;
    }
}

// The session may end once every window has agreed; it ends only when WM_ENDSESSION says so.
LRESULT CALLBACK OnSessionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        return TRUE;
    }
    if (message == WM_ENDSESSION && wParam != FALSE) {
        EndAfterCleanups(0);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateWatchWindow() {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OnSessionMessage;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);  // fails harmlessly when a former watch registered it
    // Top-level, not message-only: only top-level windows are asked about the session's end.
    return ::CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module,
                             nullptr);
}

}  // namespace

SystemEndWatch::SystemEndWatch() {
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    const HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    watcher_ = std::thread([this, ready] { Watch(ready); });
    ::WaitForSingleObject(ready, INFINITE);
    ::CloseHandle(ready);
}

SystemEndWatch::~SystemEndWatch() {
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    watcher_.join();
}

void SystemEndWatch::Watch(void* ready) {
    const HWND window = CreateWatchWindow();
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue PostThreadMessage needs
    threadId_ = ::GetCurrentThreadId();
    ::SetEvent(static_cast<HANDLE>(ready));
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    if (window != nullptr) {
        ::DestroyWindow(window);
    }
}

std::unique_ptr<EndWatch> CreateSystemEndWatch() {
    return std::make_unique<SystemEndWatch>();
}

}  // namespace platform::termination
