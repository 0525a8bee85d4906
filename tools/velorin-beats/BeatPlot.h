#pragma once
// What the estimator heard, as a picture: the energy of each band over time, the predicted beat
// grid over it, the tempo in the title.
#include <string>

#include "beat/BeatEstimator.h"
#include "tools/velorin-beats/BandRecorder.h"

// Writes an SVG or PNG picture (by the name's ending); false with a one-line reason on failure.
// Windows has no drawing library for it: there it always fails (win32/BeatPlot.cpp).
bool DrawBeatPlot(const std::string& picturePath, const std::string& audioName,
                  const BandRecorder& recorder, const BeatEstimator& estimator, std::string& error);
