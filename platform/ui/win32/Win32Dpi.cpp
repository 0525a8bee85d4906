#include "platform/ui/win32/Win32Dpi.h"

#include "platform/ui/win32/Win32Scale.h"

namespace platform::ui::win32 {

namespace {

template <typename Function>
Function Lookup(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    // Through the plain function pointer type, which any other converts to and from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

// Null where the system lacks the call.
struct DpiCalls {
    decltype(&::GetDpiForWindow) dpiForWindow = Lookup<decltype(dpiForWindow)>("GetDpiForWindow");
    decltype(&::GetDpiForSystem) dpiForSystem = Lookup<decltype(dpiForSystem)>("GetDpiForSystem");
    decltype(&::GetSystemMetricsForDpi) metricForDpi =
        Lookup<decltype(metricForDpi)>("GetSystemMetricsForDpi");
    decltype(&::AdjustWindowRectExForDpi) outerForDpi =
        Lookup<decltype(outerForDpi)>("AdjustWindowRectExForDpi");
};

const DpiCalls& Calls() {
    static const DpiCalls calls;
    return calls;
}

}  // namespace

int WindowDpi(HWND window) {
    if (Calls().dpiForWindow != nullptr) {
        const auto dpi = static_cast<int>(Calls().dpiForWindow(window));
        if (dpi > 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

int SystemDpi() {
    if (Calls().dpiForSystem != nullptr) {
        return static_cast<int>(Calls().dpiForSystem());
    }
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

int LogicalSystemMetric(int index) {
    if (Calls().metricForDpi != nullptr) {
        return Calls().metricForDpi(index, kLogicalDpi);
    }
    return ::MulDiv(::GetSystemMetrics(index), kLogicalDpi, SystemDpi());
}

RECT OuterRect(const RECT& client, DWORD style, DWORD extendedStyle, int dpi) {
    RECT outer = client;
    if (Calls().outerForDpi != nullptr) {
        Calls().outerForDpi(&outer, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    }
    return outer;
}

}  // namespace platform::ui::win32
