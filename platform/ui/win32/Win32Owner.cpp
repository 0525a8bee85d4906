#include "platform/ui/win32/Win32Owner.h"

namespace platform::ui::win32 {

HWND ResolveOwner(OwnerLookup lookup, Window* owner) {
    if (owner == nullptr) {
        return nullptr;
    }
    return lookup != nullptr ? lookup(owner) : ::GetActiveWindow();
}

std::wstring WideFromUtf8(std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

}  // namespace platform::ui::win32
