#include "bench/startup/ScreenProbe.h"

#include <cstdlib>
#include <memory>

namespace startup_timing {

namespace {

constexpr int kGridStep = 25;  // pixels between the compared points of a picture
constexpr QRgb kWhite = 0xFFFFFF;

}  // namespace

ScreenProbe::ScreenProbe() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_) == 0) {
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    }
}

ScreenProbe::~ScreenProbe() {
    xcb_disconnect(connection_);
}

QImage ScreenProbe::Grab(int x, int y, int width, int height) {
    const auto cookie = xcb_get_image(
        connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, static_cast<int16_t>(x),
        static_cast<int16_t>(y), static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0U);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(connection_, cookie, nullptr), &std::free);
    const int length = reply ? xcb_get_image_data_length(reply.get()) : 0;
    if (length < width * height * 4) {
        return {};
    }
    // A 24-bit screen sends 32 bits a pixel, blue first: Qt's RGB32 on this little-endian machine.
    return QImage(xcb_get_image_data(reply.get()), width, height, qsizetype{width} * 4,
                  QImage::Format_RGB32)
        .copy();
}

bool ScreenProbe::Shows(const QImage& picture, int x, int y) {
    const QImage shown = Grab(x, y, picture.width(), picture.height());
    if (shown.isNull()) {
        return false;
    }
    for (int row = 0; row < picture.height(); row += kGridStep) {
        for (int column = 0; column < picture.width(); column += kGridStep) {
            if ((shown.pixel(column, row) & 0xFFFFFF) != (picture.pixel(column, row) & 0xFFFFFF)) {
                return false;
            }
        }
    }
    return true;
}

bool ScreenProbe::HasWhite(int x, int y, int width, int height) {
    const QImage shown = Grab(x, y, width, height);
    for (int row = 0; row < shown.height(); ++row) {
        for (int column = 0; column < shown.width(); ++column) {
            if ((shown.pixel(column, row) & 0xFFFFFF) == kWhite) {
                return true;
            }
        }
    }
    return false;
}

void ScreenProbe::MovePointer(int x, int y) {
    xcb_warp_pointer(connection_, XCB_NONE, screen_->root, 0, 0, 0, 0, static_cast<int16_t>(x),
                     static_cast<int16_t>(y));
    xcb_flush(connection_);
}

}  // namespace startup_timing
