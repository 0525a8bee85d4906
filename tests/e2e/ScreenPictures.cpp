#include "tests/e2e/ScreenPictures.h"

#include <cstdlib>
#include <string>

#include "tests/support/ChildProcess.h"

namespace velorin::test {

QImage Picture(const char* name) {
    return QImage(QString::fromStdString(std::string(VELORIN_SOURCE_DIR) + "/resources/images/" +
                                         name))
        .convertToFormat(QImage::Format_RGB32);
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

}  // namespace velorin::test
