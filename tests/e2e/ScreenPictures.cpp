#include "tests/e2e/ScreenPictures.h"

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "resources/LauncherLayout.h"
#include "tests/support/ChildProcess.h"

namespace velorin::test {

QImage Picture(const char* name) {
    return QImage(QString::fromStdString(std::string(VELORIN_SOURCE_DIR) + "/resources/images/" +
                                         name))
        .convertToFormat(QImage::Format_RGB32);
}

QImage WindowsBitmap(const char* name) {
    QImage image = Picture(name);
    // Qt's reader shifts each 5-bit channel into the top of 8 bits; the system also repeats the
    // top bits below them, so that 31 is 255.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb read = image.pixel(x, y);
            image.setPixel(x, y,
                           qRgb(qRed(read) | qRed(read) >> 5, qGreen(read) | qGreen(read) >> 5,
                                qBlue(read) | qBlue(read) >> 5));
        }
    }
    return image;
}

QImage Screenshot(const std::filesystem::path& file) {
    testing_support::RunProgram({"import", "-window", "root", "PNG24:" + file.string()});
    if (const char* keep = std::getenv("VELORIN_KEEP_SCREENSHOT")) {
        std::filesystem::copy_file(file, keep, std::filesystem::copy_options::overwrite_existing);
    }
    return QImage(QString::fromStdString(file.string()));
}

bool ShowsAt(const QImage& screen, const Box& window, int x, int y, const QImage& picture) {
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column) {
            if (screen.pixel(window.x + x + column, window.y + y + row) !=
                picture.pixel(column, row)) {
                return false;
            }
        }
    }
    return true;
}

std::optional<Box> Locate(const QImage& screen, const QImage& picture) {
    for (int y = 0; y + picture.height() <= screen.height(); ++y) {
        for (int x = 0; x + picture.width() <= screen.width(); ++x) {
            const Box at{x, y, picture.width(), picture.height()};
            if (screen.pixel(x, y) == picture.pixel(0, 0) && ShowsAt(screen, at, 0, 0, picture)) {
                return at;
            }
        }
    }
    return std::nullopt;
}

QImage WaitForScreen(const std::filesystem::path& file,
                     const std::function<bool(const QImage&)>& shows) {
    const auto deadline = std::chrono::steady_clock::now() + kWindowWait;
    for (;;) {
        QImage screen = Screenshot(file);
        if ((!screen.isNull() && shows(screen)) || std::chrono::steady_clock::now() >= deadline) {
            return screen;
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
}

bool WaitUntilShown(const std::filesystem::path& file, const Box& window, int x, int y,
                    const QImage& picture) {
    const auto shown = [&](const QImage& screen) { return ShowsAt(screen, window, x, y, picture); };
    return shown(WaitForScreen(file, shown));
}

bool WaitUntilAnswering(const std::filesystem::path& file, const Box& window) {
    // The hover text is white on the blue band; nothing else there is.
    const resources::RegionBounds& text = resources::kHoverTextBox;
    const resources::RegionBounds& button =
        resources::BoundsOf(resources::LauncherRegion::LaunchVelorin);
    const auto hoverTextShown = [&](const QImage& screen) {
        for (int y = text.top; y < text.bottom; ++y) {
            for (int x = text.left; x < text.right; ++x) {
                if (screen.pixel(window.x + x, window.y + y) == qRgb(255, 255, 255)) {
                    return true;
                }
            }
        }
        return false;
    };
    // First off the button until no hover text shows (an earlier one may still be on the
    // screen); then onto it and off in turn, a look at the screen apart so that no move hides
    // another, until its text shows.
    const auto off = [&](const QImage& screen) {
        if (!hoverTextShown(screen)) {
            return true;
        }
        MovePointer(window.x + 100, window.y + 30);  // over no region
        return false;
    };
    bool onButton = false;
    const auto on = [&](const QImage& screen) {
        if (hoverTextShown(screen)) {
            return true;
        }
        onButton = !onButton;
        MovePointer(window.x + (onButton ? (button.left + button.right) / 2 : 100),
                    window.y + (onButton ? (button.top + button.bottom) / 2 : 30));
        return false;
    };
    return !hoverTextShown(WaitForScreen(file, off)) && hoverTextShown(WaitForScreen(file, on));
}

}  // namespace velorin::test
