#pragma once
// What the virtual X screen shows, read back as a picture and compared pixel by pixel with the
// launcher's own pictures.
#include <QImage>
#include <filesystem>
#include <functional>
#include <optional>

#include "tests/e2e/X11Screen.h"

namespace velorin::test {

// One of the launcher's pictures (resources/images/name) in the screenshot's pixel format.
QImage Picture(const char* name);
// One of the Windows build's 16-bit bitmaps (resources/images/name, a .bmp) as the system draws
// it on a 24-bit screen.
QImage WindowsBitmap(const char* name);

// The whole screen, saved as file first (and copied to $VELORIN_KEEP_SCREENSHOT when set, to
// look at after a failure).
QImage Screenshot(const std::filesystem::path& file);

// Whether the screen shows picture with its corner at (x, y) inside window. Pixel by pixel: the
// screenshot carries colour-space tags that the pictures do not.
bool ShowsAt(const QImage& screen, const Box& window, int x, int y, const QImage& picture);

// Where on the screen the picture is shown whole, if it is.
std::optional<Box> Locate(const QImage& screen, const QImage& picture);
// Takes screenshots (to file) until shows(screen) holds or kWindowWait has passed; the last one.
QImage WaitForScreen(const std::filesystem::path& file,
                     const std::function<bool(const QImage&)>& shows);
// Whether the screen comes to show picture with its corner at (x, y) inside window.
bool WaitUntilShown(const std::filesystem::path& file, const Box& window, int x, int y,
                    const QImage& picture);
// Whether the launcher screen in window comes to answer the mouse: moved onto the launch button
// from elsewhere, it draws the button's hover text. Input sent before has been handled or
// dropped by then.
bool WaitUntilAnswering(const std::filesystem::path& file, const Box& window);

}  // namespace velorin::test
