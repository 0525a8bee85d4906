#include "platform/mci/virtual/DiscPlayer.h"

#include <algorithm>

#include "platform/dsound/LineInput.h"
#include "platform/mci/virtual/TrackFiles.h"

namespace platform::mci::virtualdisc {

namespace {
constexpr sf_count_t kChunkFrames = 4096;
}  // namespace

DiscPlayer& DiscPlayer::Instance() {
    static DiscPlayer player;
    return player;
}

bool DiscPlayer::Play(const std::filesystem::path& folder, int firstTrack, int endTrack) {
    dsound::ConnectLineInput(
        [](std::span<float> mono, int sampleRate) { Instance().Read(mono, sampleRate); });
    std::lock_guard guard(lock_);
    folder_ = folder;
    endTrack_ = endTrack;
    return OpenTrack(firstTrack);
}

void DiscPlayer::Stop() {
    std::lock_guard guard(lock_);
    file_.reset();
}

bool DiscPlayer::OpenTrack(int track) {
    file_.reset();
    window_.clear();
    cursor_ = 0.0;
    if (track >= endTrack_) {
        return false;
    }
    SF_INFO info{};
    file_.reset(sf_open(TrackPath(folder_, track).c_str(), SFM_READ, &info));
    if (file_ == nullptr || info.channels <= 0 || info.samplerate <= 0) {
        file_.reset();
        return false;
    }
    track_ = track;
    channels_ = info.channels;
    fileRate_ = info.samplerate;
    interleaved_.resize(static_cast<std::size_t>(kChunkFrames * channels_));
    window_.reserve(kChunkFrames);
    return true;
}

// Decodes the next chunk into window_, moving on to the next track at the end of one.
bool DiscPlayer::Refill() {
    while (file_ != nullptr) {
        const sf_count_t frames = sf_readf_float(file_.get(), interleaved_.data(), kChunkFrames);
        if (frames > 0) {
            window_.resize(static_cast<std::size_t>(frames));
            for (sf_count_t frame = 0; frame < frames; ++frame) {
                const float* first = interleaved_.data() + frame * channels_;
                float sum = 0.0f;
                for (int channel = 0; channel < channels_; ++channel) {
                    sum += first[channel];
                }
                window_[static_cast<std::size_t>(frame)] = sum / static_cast<float>(channels_);
            }
            return true;
        }
        OpenTrack(track_ + 1);
    }
    return false;
}

// The file sample nearest the cursor, then a step on: plenty for a level and a beat.
float DiscPlayer::NextSample(double step) {
    while (cursor_ >= static_cast<double>(window_.size())) {
        cursor_ -= static_cast<double>(window_.size());
        if (!Refill()) {
            return 0.0f;
        }
    }
    const float sample = window_[static_cast<std::size_t>(cursor_)];
    cursor_ += step;
    return sample;
}

void DiscPlayer::Read(std::span<float> mono, int sampleRate) {
    std::lock_guard guard(lock_);
    if (file_ == nullptr || sampleRate <= 0) {
        std::fill(mono.begin(), mono.end(), 0.0f);
        return;
    }
    const double step = static_cast<double>(fileRate_) / sampleRate;
    for (float& sample : mono) {
        sample = NextSample(step);
    }
}

}  // namespace platform::mci::virtualdisc
