#include "tests/platform/ui/win32/ScreenUser.h"

#include <chrono>

namespace testing_support {

namespace {

constexpr auto kPatience = std::chrono::seconds(20);
constexpr auto kPollInterval = std::chrono::milliseconds(20);
const wchar_t kDialogClass[] = L"#32770";

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

SeenWindow Observe(HWND window) {
    SeenWindow seen;
    seen.found = true;
    seen.caption = TextOf(window);
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        seen.texts.push_back(TextOf(child));
    }
    seen.topmost = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.owner = ::GetWindow(window, GW_OWNER);
    seen.ownerEnabled = seen.owner == nullptr || ::IsWindowEnabled(seen.owner);
    return seen;
}

}  // namespace

ScreenUser::ScreenUser(std::wstring caption, Action action)
    : caption_(std::move(caption)), action_(std::move(action)), thread_([this] { Watch(); }) {}

ScreenUser::~ScreenUser() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

const SeenWindow& ScreenUser::Seen() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return seen_;
}

void ScreenUser::Watch() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND window = ::FindWindowW(kDialogClass, caption_.c_str());
        if (window != nullptr && ::IsWindowVisible(window)) {
            seen_ = Observe(window);
            action_(window);
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

ScreenUser::Action ScreenUser::Press(int buttonId) {
    return
        [buttonId](HWND window) { ::PostMessageW(::GetDlgItem(window, buttonId), BM_CLICK, 0, 0); };
}

ScreenUser::Action ScreenUser::Escape() {
    return [](HWND window) {
        ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0);
    };
}

ScreenUser::Action ScreenUser::CloseBox() {
    return [](HWND window) { ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

}  // namespace testing_support
