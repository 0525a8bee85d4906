#pragma once
// The launcher's three sounds, synthesised: a button click, the snap of RE-TEST SYSTEM and the
// credits' music, a loop that repeats without a seam.
#include <cstdint>
#include <vector>

namespace art {

std::vector<std::int16_t> SynthesiseClick();
std::vector<std::int16_t> SynthesiseSnap();
std::vector<std::int16_t> SynthesiseCreditsLoop();

}  // namespace art
