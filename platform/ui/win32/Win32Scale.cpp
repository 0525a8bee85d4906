#include "platform/ui/win32/Win32Scale.h"

namespace platform::ui::win32 {

namespace {

// The quotient rounded to the nearest whole number, halves away from zero; divisor > 0.
int RoundedQuotient(long long dividend, long long divisor) {
    const long long half = divisor / 2;
    return static_cast<int>(dividend >= 0 ? (dividend + half) / divisor
                                          : -((-dividend + half) / divisor));
}

}  // namespace

int Win32Scale::ToDevice(int logical) const {
    return RoundedQuotient(static_cast<long long>(logical) * dpi_, kLogicalDpi);
}

Rect Win32Scale::ToDevice(const Rect& logical) const {
    return {ToDevice(logical.left), ToDevice(logical.top), ToDevice(logical.right),
            ToDevice(logical.bottom)};
}

int Win32Scale::ToLogicalLength(int device) const {
    return RoundedQuotient(static_cast<long long>(device) * kLogicalDpi, dpi_);
}

int Win32Scale::LogicalPixelOf(int device) const {
    // Rounding back lands on the pixel or its neighbour; the pixel is the last whose edge is at
    // or before the device pixel.
    int logical = ToLogicalLength(device);
    while (ToDevice(logical) > device) {
        --logical;
    }
    while (ToDevice(logical + 1) <= device) {
        ++logical;
    }
    return logical;
}

Rect Win32Scale::Covering(const Rect& device) const {
    if (device.right <= device.left || device.bottom <= device.top) {
        return {};
    }
    return {LogicalPixelOf(device.left), LogicalPixelOf(device.top),
            LogicalPixelOf(device.right - 1) + 1, LogicalPixelOf(device.bottom - 1) + 1};
}

int DeviceSteps::Next(int logical, const Win32Scale& scale) {
    const int exact = logical * scale.Dpi() + carried_;
    const int step = RoundedQuotient(exact, kLogicalDpi);
    carried_ = exact - step * kLogicalDpi;
    return step;
}

}  // namespace platform::ui::win32
