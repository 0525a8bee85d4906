#pragma once
// Plain modal dialogs built from a layout: static texts, an icon and push buttons placed in dialog
// units. The Qt backend shows them; tests install a scripted backend.
#include <string>
#include <vector>

namespace platform::ui {

class Window;

// Results a dialog ends with: the id of the button pressed; Escape and the close box give Cancel.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;

enum class ControlKind { Text, Button, DefaultButton, ApplicationIcon };

struct DialogControl {
    ControlKind kind = ControlKind::Text;
    int id = -1;  // a button's result; -1 for texts and icons
    std::string text;
    int x = 0;  // dialog units
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogLayout {
    int resourceId = 0;
    std::string caption;
    int width = 0;  // dialog units
    int height = 0;
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    std::vector<DialogControl> controls;
};

struct DialogOptions {
    bool topmost = false;  // stays above every other window while it runs
};

class DialogBackend {
  public:
    virtual ~DialogBackend() = default;
    virtual int Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) = 0;
};

// Runs the dialog modally and returns the id it ended with.
int RunDialog(Window* owner, const DialogLayout& layout, DialogOptions options = {});

// Installs the backend every later RunDialog uses; the caller keeps ownership.
void SetDialogBackend(DialogBackend* backend);

}  // namespace platform::ui
