#pragma once
// Runs the beat estimator over a whole file. The estimator's results do not depend on how its
// input is cut into blocks, and it reads only the samples of its analysis frames, so the file is
// fed one frame's worth at a time and the samples between frames are skipped, not decoded.
#include <functional>

#include "beat/BeatEstimator.h"
#include "tools/velorin-beats/PcmReader.h"

// Called after every piece fed: lets a caller follow the frames as they are analysed.
using PieceFed = std::function<void(const BeatEstimator&)>;

void RunEstimator(BeatEstimator& estimator, PcmReader& reader, float durationSeconds,
                  const PieceFed& pieceFed = {});
