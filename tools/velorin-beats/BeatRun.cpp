#include "tools/velorin-beats/BeatRun.h"

#include <vector>

std::int32_t HalfSecondBlockBytes(const PcmReader& reader) {
    const std::int32_t bytes = reader.SampleRate() * reader.BytesPerSample() / 2;
    return bytes >= reader.BytesPerSample() ? bytes : 0;
}

void RunEstimator(BeatEstimator& estimator, PcmReader& reader, float durationSeconds) {
    const std::int32_t blockBytes = HalfSecondBlockBytes(reader);
    const std::int32_t width = reader.BytesPerSample();
    estimator.Initialize();
    estimator.Reset();
    estimator.SetInputFormat(blockBytes, width, static_cast<float>(reader.SampleRate()),
                             durationSeconds);
    estimator.Reset();
    // A standard block is what ProcessBlock reads: whole samples only, so that an odd byte count
    // (16-bit samples at an odd rate) never shifts the next block by one byte.
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockBytes / width * width));
    for (;;) {
        const std::size_t filled = reader.Read(block);
        if (filled == block.size()) {
            estimator.ProcessBlock(block.data());
            continue;
        }
        if (filled > 0) {
            estimator.ProcessSamples(block.data(), static_cast<std::int32_t>(filled), width);
        }
        return;
    }
}
