#include "platform/ui/DialogWindow.h"

#include <utility>

namespace platform::ui {

DialogWindow::DialogWindow(WindowStyle style) : style_(std::move(style)) {}

// A window object that goes away with its window still there destroys it without OnDestroy:
// the subclass part is already gone by then.
DialogWindow::~DialogWindow() = default;

bool DialogWindow::CreateHost(bool modal) {
    WindowSystem* system = CurrentWindowSystem();
    if (system == nullptr || host_ != nullptr) {
        return false;
    }
    host_ = system->CreateHost(*this, style_, modal);
    modal_ = modal;
    ended_ = false;
    return host_ != nullptr;
}

int DialogWindow::DoModal() {
    if (!CreateHost(true)) {
        return kNoWindow;
    }
    result_ = 0;
    OnInitDialog();
    if (!ended_) {
        host_->RunModal();
    }
    host_->Show(ShowCommand::Hide);
    DestroyWindow();
    return result_;
}

bool DialogWindow::Create() {
    if (!CreateHost(false)) {
        return false;
    }
    OnInitDialog();
    return true;
}

void DialogWindow::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (host_ == nullptr) {
        return;
    }
    if (modal_) {
        host_->EndModal();
    } else {
        host_->Show(ShowCommand::Hide);
    }
}

void DialogWindow::DestroyWindow() {
    if (host_ == nullptr) {
        return;
    }
    OnDestroy();
    host_.reset();
}

void DialogWindow::ShowWindow(ShowCommand command) {
    if (host_ != nullptr) {
        host_->Show(command);
    }
}

void DialogWindow::SetWindowPos(int x, int y, int width, int height) {
    if (host_ != nullptr) {
        host_->Place(x, y, width, height);
    }
}

Rect DialogWindow::GetClientRect() const {
    return host_ != nullptr ? host_->ClientRect() : Rect{};
}

bool DialogWindow::IsIconic() const {
    return host_ != nullptr && host_->IsMinimized();
}

void DialogWindow::RedrawWindow(const Rect* rect) {
    if (host_ != nullptr) {
        host_->Redraw(rect);
    }
}

Rect DialogWindow::ScrollWindowRect(const Rect& area, int dx, int dy) {
    return host_ != nullptr ? host_->Scroll(area, dx, dy) : Rect{};
}

Rect DialogWindow::MeasureText(const FontSpec& font, std::string_view text,
                               const Rect& rect) const {
    return host_ != nullptr ? host_->MeasureText(font, text, rect) : Rect{};
}

int DialogWindow::SetTimer(int id, int periodMs) {
    return host_ != nullptr && host_->StartTimer(id, periodMs) ? id : 0;
}

bool DialogWindow::KillTimer(int id) {
    return host_ != nullptr && host_->StopTimer(id);
}

void DialogWindow::SetCursor(const Cursor& cursor) {
    if (host_ != nullptr) {
        host_->SetCursor(cursor);
    }
}

void DialogWindow::SetIcon(int iconId) {
    if (host_ != nullptr) {
        host_->SetIcon(iconId);
    }
}

void DialogWindow::AppendWindowMenuSeparator() {
    AppendWindowMenuItem(0, {});
}

void DialogWindow::AppendWindowMenuItem(int command, const std::string& text) {
    if (host_ != nullptr && style_.windowMenu) {
        host_->AppendWindowMenuItem(command, text);
    }
}

void DialogWindow::Show() {
    ShowWindow(ShowCommand::Show);
}

void DialogWindow::Hide() {
    ShowWindow(ShowCommand::Hide);
}

bool DialogWindow::IsVisible() const {
    return host_ != nullptr && host_->IsVisible();
}

void DialogWindow::RedrawNow(const Rect* rect) {
    RedrawWindow(rect);
}

AccessibleItem DialogWindow::AccessibleWindow() const {
    return {style_.caption, {}, AccessibleRole::Dialog, GetClientRect()};
}

void DialogWindow::NotifyAccessible(int index, AccessibleChange change) {
    if (host_ != nullptr) {
        host_->NotifyAccessible(index, change);
    }
}

void DialogWindow::OnKeyDown(Key key) {
    if (key == Key::Enter) {
        OnOK();
    } else if (key == Key::Escape) {
        OnCancel();
    }
}

void DialogWindow::OnPaint(Canvas& /*canvas*/) {}
void DialogWindow::OnMouseMove(int /*x*/, int /*y*/) {}
void DialogWindow::OnLButtonDown(int /*x*/, int /*y*/) {}
void DialogWindow::OnLButtonDblClk(int /*x*/, int /*y*/) {}
void DialogWindow::OnTimer(int /*id*/) {}

void DialogWindow::OnSysCommand(int command) {
    if (command == kCommandClose) {
        OnCancel();
    }
}

}  // namespace platform::ui
