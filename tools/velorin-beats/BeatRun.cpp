#include "tools/velorin-beats/BeatRun.h"

#include <vector>

namespace {

// One analysis frame: after the skip, the next frame lies wholly inside one piece.
constexpr std::size_t kPieceSamples = 256;

}  // namespace

void RunEstimator(BeatEstimator& estimator, PcmReader& reader, float durationSeconds,
                  const PieceFed& pieceFed) {
    const std::int32_t width = reader.BytesPerSample();
    estimator.Initialize();
    estimator.Reset();
    // No standard block: every piece goes to ProcessSamples.
    estimator.SetInputFormat(0, width, static_cast<float>(reader.SampleRate()), durationSeconds);
    estimator.Reset();
    std::vector<std::uint8_t> piece(kPieceSamples * static_cast<std::size_t>(width));
    for (;;) {
        if (!reader.Skip(estimator.SkipBetweenFrames(reader.FramesLeft()))) {
            return;
        }
        const std::size_t filled = reader.Read(piece);
        if (filled == 0) {
            return;
        }
        estimator.ProcessSamples(piece.data(), static_cast<std::int32_t>(filled), width);
        if (pieceFed) {
            pieceFed(estimator);
        }
    }
}
