#include "platform/ui/win32/Win32MessageBoxes.h"

namespace platform::ui::win32 {

namespace {

UINT ButtonFlags(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return MB_OK;
        case Buttons::OkCancel:
            return MB_OKCANCEL;
        case Buttons::RetryCancel:
            return MB_RETRYCANCEL;
        case Buttons::YesNo:
            return MB_YESNO;
    }
    return MB_OK;
}

UINT IconFlags(Icon icon) {
    switch (icon) {
        case Icon::None:
            return 0;
        case Icon::Information:
            return MB_ICONINFORMATION;
        case Icon::Warning:
            return MB_ICONWARNING;
        case Icon::Question:
            return MB_ICONQUESTION;
        case Icon::Error:
            return MB_ICONERROR;
    }
    return 0;
}

// Escape and the close box end a box as dismissed: Cancel where it has a Cancel button, Ok on a
// box with OK alone (where some systems report IDCANCEL). A box that could not be shown counts
// as dismissed too.
Answer FromResult(int result, Buttons buttons) {
    switch (result) {
        case IDOK:
            return Answer::Ok;
        case IDRETRY:
            return Answer::Retry;
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return DismissingAnswer(buttons);
    }
}

}  // namespace

Answer Win32MessageBoxes::Show(Window* owner, const MessageRequest& request) {
    const HWND ownerWindow = ResolveOwner(lookup_, owner);
    const UINT modality = ownerWindow != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
    const int result = ::MessageBoxW(
        ownerWindow, WideFromUtf8(request.text).c_str(), WideFromUtf8(request.caption).c_str(),
        ButtonFlags(request.buttons) | IconFlags(request.icon) | modality | MB_SETFOREGROUND);
    return FromResult(result, request.buttons);
}

}  // namespace platform::ui::win32
