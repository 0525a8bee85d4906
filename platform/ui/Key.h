#pragma once
// The keys a window handles itself; every other key stays with the platform.
namespace platform::ui {

enum class Key {
    Enter,
    Escape,
    Tab,
    BackTab,  // Shift+Tab
    Space,
    Left,
    Right,
    Up,
    Down,
};

}  // namespace platform::ui
