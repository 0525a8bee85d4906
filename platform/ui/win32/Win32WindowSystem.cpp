#include "platform/ui/win32/Win32WindowSystem.h"

#include <cmath>

#include "platform/ui/PictureScales.h"
#include "platform/ui/win32/Win32Dpi.h"
#include "platform/ui/win32/Win32Host.h"
#include "platform/ui/win32/Win32Scale.h"

namespace platform::ui::win32 {

namespace {

// What the user does: keys, mouse in the client area and on the frame (the close box included).
bool IsUserInput(const MSG& message) {
    const UINT id = message.message;
    return (id >= WM_KEYFIRST && id <= WM_KEYLAST) || (id >= WM_MOUSEFIRST && id <= WM_MOUSELAST) ||
           (id >= WM_NCMOUSEMOVE && id <= WM_NCXBUTTONDBLCLK);
}

// Dispatches what is queued but the user's input; false once a quit request came, which is
// put back for the program's own loop.
bool DispatchQueuedWithoutInput() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!IsUserInput(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}

// Kept in the format the resource holds (16 bits per pixel), widened as it is drawn.
HBITMAP LoadBitmapResource(HINSTANCE module, int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

Win32Picture::Win32Picture(HINSTANCE module, int id, HBITMAP oneX) : module_(module), id_(id) {
    BITMAP info{};
    if (::GetObjectW(oneX, sizeof(info), &info) != 0) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
    scales_.emplace(kLogicalDpi, GdiObject(oneX));
}

Win32Picture::Scaled Win32Picture::BitmapFor(int dpi) const {
    const PictureScale& scale = NearestPictureScale(static_cast<double>(dpi) / kLogicalDpi);
    const auto scaleDpi = static_cast<int>(std::lround(kLogicalDpi * scale.factor));
    auto found = scales_.find(scaleDpi);
    if (found == scales_.end()) {
        GdiObject loaded(LoadBitmapResource(module_, id_ + scale.resourceIdOffset));
        found = scales_.emplace(scaleDpi, std::move(loaded)).first;
    }
    if (found->second == nullptr) {
        return {static_cast<HBITMAP>(scales_.at(kLogicalDpi).get()), kLogicalDpi};
    }
    return {static_cast<HBITMAP>(found->second.get()), scaleDpi};
}

// The hidden owner needs no behaviour of its own: any class of the system's will do.
Win32WindowSystem::Win32WindowSystem()
    : module_(::GetModuleHandleW(nullptr)),
      owner_(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module_,
                               nullptr)) {}

Win32WindowSystem::~Win32WindowSystem() {
    if (owner_ != nullptr) {
        ::DestroyWindow(owner_);
    }
}

std::unique_ptr<WindowHost> Win32WindowSystem::CreateHost(DialogWindow& window,
                                                          const WindowStyle& style, bool modal) {
    auto host = std::make_unique<Win32Host>(window, style, modal, *this);
    if (!host->HasWindow()) {
        return nullptr;
    }
    return host;
}

Picture Win32WindowSystem::LoadPicture(int id) {
    HBITMAP bitmap = LoadBitmapResource(module_, id);
    if (bitmap == nullptr) {
        return {};
    }
    return Picture(std::make_shared<Win32Picture>(module_, id, bitmap));
}

void Win32WindowSystem::HandleEventsWithoutInput(std::chrono::milliseconds most) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + most;
    while (DispatchQueuedWithoutInput()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) {
            return;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

// In logical pixels, as the windows are laid out: the screen as many as its device pixels make at
// the session's dots per inch, the rest as the system measures them at 96.
int Win32WindowSystem::GetMetric(Metric metric) const {
    const Win32Scale screen(SystemDpi());
    switch (metric) {
        case Metric::ScreenWidth:
            return screen.ToLogicalLength(::GetSystemMetrics(SM_CXSCREEN));
        case Metric::ScreenHeight:
            return screen.ToLogicalLength(::GetSystemMetrics(SM_CYSCREEN));
        case Metric::FixedFrameWidth:
            return LogicalSystemMetric(SM_CXFIXEDFRAME);
        case Metric::FixedFrameHeight:
            return LogicalSystemMetric(SM_CYFIXEDFRAME);
        case Metric::CaptionHeight:
            return LogicalSystemMetric(SM_CYCAPTION);
        case Metric::IconWidth:
            return LogicalSystemMetric(SM_CXICON);
        case Metric::IconHeight:
            return LogicalSystemMetric(SM_CYICON);
    }
    return 0;
}

HCURSOR Win32WindowSystem::ResolveCursor(const Cursor& cursor) const {
    switch (cursor.kind) {
        case Cursor::Kind::Arrow:
            return ::LoadCursorA(nullptr, IDC_ARROW);
        case Cursor::Kind::Wait:
            return ::LoadCursorA(nullptr, IDC_WAIT);
        case Cursor::Kind::Resource:
            break;
    }
    HCURSOR loaded = ::LoadCursorW(module_, MAKEINTRESOURCEW(cursor.resourceId));
    return loaded != nullptr ? loaded : ::LoadCursorA(nullptr, IDC_HAND);
}

HICON Win32WindowSystem::LoadIcon(int id, int size) const {
    // Shared: the system keeps one copy per size and frees it with the module.
    return static_cast<HICON>(
        ::LoadImageW(module_, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace platform::ui::win32
