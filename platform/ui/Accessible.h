#pragma once
// What a window tells screen readers about itself and about the parts it paints itself, which no
// toolkit can see: the backend serves these to the platform's accessibility interface.
#include <string>

#include "platform/ui/Window.h"

namespace platform::ui {

enum class AccessibleRole { Dialog, PushButton, CheckBox, Picture, Animation, Pane };

struct AccessibleItem {
    std::string name;
    std::string description;
    AccessibleRole role = AccessibleRole::Dialog;
    Rect rect;  // client pixels
    bool checked = false;
    bool focused = false;
};

// What changed, for the screen readers the backend tells.
enum class AccessibleChange {
    Focus,  // the item has the keyboard focus now
    State,  // the item's checked state changed
    Items,  // items came or went
};

}  // namespace platform::ui
