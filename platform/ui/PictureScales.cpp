#include "platform/ui/PictureScales.h"

#include <cmath>

namespace platform::ui {

const PictureScale& NearestPictureScale(double ratio) {
    const PictureScale* nearest = &kPictureScales[0];
    for (const PictureScale& candidate : kPictureScales) {
        if (std::abs(candidate.factor - ratio) <= std::abs(nearest->factor - ratio)) {
            nearest = &candidate;
        }
    }
    return *nearest;
}

}  // namespace platform::ui
