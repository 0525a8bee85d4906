#include "platform/ui/win32/Win32Dialogs.h"

namespace platform::ui::win32 {

namespace {

struct DialogRun {
    const DialogLayout& layout;
    const DialogOptions& options;
};

// The template's controls come in the layout's order, so the n-th child takes the n-th text.
void ApplyTexts(HWND dialog, const DialogLayout& layout) {
    ::SetWindowTextW(dialog, WideFromUtf8(layout.caption).c_str());
    HWND child = ::GetWindow(dialog, GW_CHILD);
    for (const DialogControl& control : layout.controls) {
        if (child == nullptr) {
            return;
        }
        if (control.kind != ControlKind::ApplicationIcon) {
            ::SetWindowTextW(child, WideFromUtf8(control.text).c_str());
        }
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
}

// Centred on a visible owner, else on the screen's work area; above every window if asked.
void Place(HWND dialog, const DialogOptions& options) {
    RECT area{};
    const HWND owner = ::GetWindow(dialog, GW_OWNER);
    if (owner == nullptr || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &area)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    ::GetWindowRect(dialog, &own);
    const int x = area.left + ((area.right - area.left) - (own.right - own.left)) / 2;
    const int y = area.top + ((area.bottom - area.top) - (own.bottom - own.top)) / 2;
    const UINT flags = SWP_NOSIZE | SWP_NOACTIVATE | (options.topmost ? 0 : SWP_NOZORDER);
    ::SetWindowPos(dialog, options.topmost ? HWND_TOPMOST : nullptr, x, y, 0, 0, flags);
}

// A button ends the dialog with its id; Escape and the close box come as IDCANCEL.
INT_PTR CALLBACK LayoutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto& run = *reinterpret_cast<const DialogRun*>(lParam);
        ApplyTexts(dialog, run.layout);
        Place(dialog, run.options);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int Win32Dialogs::Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) {
    DialogRun run{layout, options};
    const INT_PTR result = ::DialogBoxParamW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(layout.resourceId),
        ResolveOwner(lookup_, owner), LayoutDialogProc, reinterpret_cast<LPARAM>(&run));
    // A template the program lacks is a dialog the user never saw: as if closed.
    return result == -1 || result == 0 ? kIdCancel : static_cast<int>(result);
}

}  // namespace platform::ui::win32
