#include "platform/ui/win32/DialogTemplate.h"

#include <cstring>
#include <string>

#include "platform/ui/win32/GdiHandles.h"

namespace platform::ui::win32 {

namespace {

// An extended template starts with its version 1 and the signature 0xFFFF; its style follows
// the help id and the extended style.
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr size_t kExtendedStyleWord = 6;

DWORD StyleFor(const WindowStyle& style) {
    DWORD flags = WS_POPUP | WS_CLIPCHILDREN;
    switch (style.frame) {
        case FrameKind::None:
            break;
        case FrameKind::Thin:
            flags |= WS_BORDER;
            break;
        case FrameKind::Caption:
            // A fixed frame with a close box and nothing else: no sizing border, no minimise or
            // maximise box.
            flags |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
            break;
        case FrameKind::Dialog:
            flags |= DS_MODALFRAME;
            break;
    }
    if (style.windowMenu) {
        flags |= WS_SYSMENU;
    }
    return flags;
}

DWORD ExtendedStyleFor(const WindowStyle& style) {
    DWORD flags = 0;
    if (style.topmost) {
        flags |= WS_EX_TOPMOST;
    }
    if (style.taskbarButton) {
        flags |= WS_EX_APPWINDOW;
    }
    return flags;
}

// No menu, the system's dialog class, the caption, and no font or controls.
std::vector<WORD> TemplateFor(const WindowStyle& style) {
    const DLGTEMPLATE header{StyleFor(style), ExtendedStyleFor(style), 0, 0, 0, 0, 0};
    std::vector<WORD> words(sizeof(header) / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof(header));
    words.push_back(0);
    words.push_back(0);
    for (const wchar_t c : Widen(style.caption)) {
        words.push_back(static_cast<WORD>(c));
    }
    words.push_back(0);
    return words;
}

std::vector<WORD> ResourceTemplate(int id) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    const DWORD size = found != nullptr ? ::SizeofResource(module, found) : 0;
    const void* bytes = size != 0 ? ::LockResource(::LoadResource(module, found)) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    std::vector<WORD> words((size + 1) / sizeof(WORD));
    std::memcpy(words.data(), bytes, size);
    return words;
}

void ClearVisible(std::vector<WORD>& words) {
    const bool extended = words.size() > kExtendedStyleWord + 1 && words[1] == kExtendedSignature;
    const size_t at = extended ? kExtendedStyleWord : 0;
    DWORD style = 0;
    std::memcpy(&style, &words[at], sizeof(style));
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(&words[at], &style, sizeof(style));
}

}  // namespace

std::vector<WORD> HiddenDialogTemplate(const WindowStyle& style) {
    std::vector<WORD> words =
        style.templateId != 0 ? ResourceTemplate(style.templateId) : std::vector<WORD>{};
    if (words.empty()) {
        words = TemplateFor(style);
    }
    ClearVisible(words);
    return words;
}

}  // namespace platform::ui::win32
