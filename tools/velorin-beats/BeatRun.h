#pragma once
// Runs the beat estimator over a whole file, fed as the capture engine feeds it: standard blocks
// of half a second, then whatever is left as a shorter block.
#include "beat/BeatEstimator.h"
#include "tools/velorin-beats/PcmReader.h"

// Half a second of samples, in bytes; 0 when the rate is too low for a whole sample.
std::int32_t HalfSecondBlockBytes(const PcmReader& reader);

void RunEstimator(BeatEstimator& estimator, PcmReader& reader, float durationSeconds);
