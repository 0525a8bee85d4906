#pragma once
// The band energies of a run, for its picture (BeatPlot.h).
#include <vector>

#include "beat/BeatEstimator.h"

// Follows a run (as its PieceFed) and keeps every analysed frame's band energies.
class BandRecorder {
  public:
    void operator()(const BeatEstimator& estimator);
    // [band][frame of the run]
    const std::vector<std::vector<float>>& Bands() const { return bands_; }
    float FrameRate() const { return frameRate_; }

  private:
    std::vector<std::vector<float>> bands_;
    float frameRate_ = 20.0F;
};
