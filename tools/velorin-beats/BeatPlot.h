#pragma once
// What the estimator heard, as a picture: the energy of each band over time, the predicted beat
// grid over it, the tempo in the title.
#include <string>
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

// Writes an SVG or PNG picture (by the name's ending); false with a one-line reason on failure.
bool DrawBeatPlot(const std::string& picturePath, const std::string& audioName,
                  const BandRecorder& recorder, const BeatEstimator& estimator, std::string& error);
