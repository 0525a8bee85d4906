#pragma once
// A picture of the fake window system: its resource id and its pixels.
#include <utility>

#include "platform/ui/Graphics.h"
#include "platform/ui/fake/Surface.h"

namespace platform::ui::fake {

class FakePicture : public PictureData {
  public:
    FakePicture(int id, Surface pixels) : id_(id), pixels_(std::move(pixels)) {}
    int Width() const override { return pixels_.Width(); }
    int Height() const override { return pixels_.Height(); }
    int id() const { return id_; }
    const Surface& pixels() const { return pixels_; }

  private:
    int id_;
    Surface pixels_;
};

}  // namespace platform::ui::fake
