#include "tools/velorin-beats/BandRecorder.h"

#include <cstdint>

void BandRecorder::operator()(const BeatEstimator& estimator) {
    frameRate_ = estimator.frameRate;
    bands_.resize(static_cast<std::size_t>(estimator.bandCount));
    const std::int64_t analysed = std::int64_t{estimator.framesDropped} + estimator.historyFill;
    for (std::size_t b = 0; b < bands_.size(); ++b) {
        std::vector<float>& band = bands_[b];
        for (auto n = static_cast<std::int64_t>(band.size()); n < analysed; ++n) {
            const std::int64_t at = estimator.historyFill - (analysed - n);  // in the history
            band.push_back(at >= 0 ? estimator.bandHistory[b][static_cast<std::size_t>(at)] : 0.0F);
        }
    }
}
