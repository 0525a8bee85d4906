#pragma once
// The Windows backend of the window layer: hosts for DialogWindows on windows of one class, and
// the resources they draw with, loaded by id from the program's own module.
#include <windows.h>

#include "platform/ui/WindowSystem.h"
#include "platform/ui/win32/GdiHandles.h"

namespace platform::ui::win32 {

class Win32Picture final : public PictureData {
  public:
    explicit Win32Picture(HBITMAP bitmap);
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    HBITMAP bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }

  private:
    GdiObject bitmap_;
    int width_ = 0;
    int height_ = 0;
};

class Win32WindowSystem final : public WindowSystem {
  public:
    Win32WindowSystem();
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    std::unique_ptr<WindowHost> CreateHost(DialogWindow& window, const WindowStyle& style,
                                           bool modal) override;
    Picture LoadPicture(int id) override;
    int GetMetric(Metric metric) const override;
    void HandleEventsWithoutInput(std::chrono::milliseconds most) override;

    // A cursor resource that is missing shows the system's pointing hand in its place.
    HCURSOR ResolveCursor(const Cursor& cursor) const;
    // Null when the program has no such icon.
    HICON LoadIcon(int id, int size) const;
    // The hidden owner of the windows that have no task-bar button of their own.
    HWND HiddenOwner() const { return owner_; }

    // While set, every window shows the wait cursor whatever it asks for.
    void SetWaitOverride(bool wait) { waitOverride_ = wait; }
    bool WaitOverride() const { return waitOverride_; }

  private:
    HINSTANCE module_;
    HWND owner_ = nullptr;
    bool waitOverride_ = false;
};

}  // namespace platform::ui::win32
