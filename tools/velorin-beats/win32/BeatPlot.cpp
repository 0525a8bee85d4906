#include "tools/velorin-beats/BeatPlot.h"

bool DrawBeatPlot(const std::string& picturePath, const std::string& /*audioName*/,
                  const BandRecorder& /*recorder*/, const BeatEstimator& /*estimator*/,
                  std::string& error) {
    error = picturePath + ": pictures are not drawn on Windows";
    return false;
}
