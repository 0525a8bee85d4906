#pragma once
// The sound card as the audio test uses it: a playback object on the default device (held open
// while the capture is set up, to see that both directions work at once), and a capture object
// whose circular buffer fills with mono PCM, signals events as the capture position passes chosen
// offsets, and is read in place between Lock and Unlock.
//
// The backend is chosen by VELORIN_AUDIO: the real devices by default ("sdl" on Linux, "dsound"
// on Windows), "loopback" for the virtual sound card whose recording input hears what it plays
// (see LoopbackOptions).
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/thread/Thread.h"

namespace platform::dsound {

// Linear PCM; only mono 8-bit unsigned and 16-bit signed little-endian are captured.
struct WaveFormat {
    std::uint16_t formatTag = 0;  // 1: PCM
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t cbSize = 0;
};
constexpr std::uint16_t kFormatPcm = 1;

// The buffer's size and format.
struct CaptureBufferDesc {
    std::uint32_t bufferBytes = 0;
    const WaveFormat* format = nullptr;
};

// True for a buffer of 8-bit or 16-bit linear PCM, the only kind any backend captures.
bool IsPcmBuffer(const CaptureBufferDesc& desc);

// The notification offset that is signalled when the buffer stops.
constexpr std::uint32_t kOffsetStop = 0xFFFFFFFF;

// event is signalled each time the capture position passes offset (the byte at offset has been
// captured), or when the buffer stops for kOffsetStop.
struct PositionNotify {
    std::uint32_t offset = 0;
    thread::Event* event = nullptr;
};

// The locked part of the buffer: one region, or two when the range wraps past the end.
struct LockedRegions {
    const std::uint8_t* first = nullptr;
    std::uint32_t firstBytes = 0;
    const std::uint8_t* second = nullptr;
    std::uint32_t secondBytes = 0;
};

class CaptureNotify {
  public:
    virtual ~CaptureNotify() = default;
    // False when the positions are refused (out of range, or the buffer is capturing).
    virtual bool SetNotificationPositions(std::span<const PositionNotify> positions) = 0;
};

class CaptureBuffer {
  public:
    virtual ~CaptureBuffer() = default;
    // The buffer's notification interface, or null when it has none.
    virtual std::unique_ptr<CaptureNotify> QueryNotify() = 0;
    // Starts capturing round the buffer until Stop.
    virtual bool StartLooping() = 0;
    virtual void Stop() = 0;
    // Offset up to which the buffer may be read: every byte before it has been captured.
    virtual std::uint32_t ReadPosition() = 0;
    // Gives read access to bytes from offset on; the range may wrap. False when refused.
    virtual bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) = 0;
    virtual void Unlock(const LockedRegions& regions) = 0;
};

class Capture {
  public:
    virtual ~Capture() = default;
    // Null when the device does not accept the format.
    virtual std::unique_ptr<CaptureBuffer> CreateCaptureBuffer(const CaptureBufferDesc& desc) = 0;
};

// An open playback device. It plays nothing; holding it is the point.
class Playback {
  public:
    virtual ~Playback() = default;
};

// A stream of CD audio (44,100 Hz, 16-bit, stereo, left sample first) to the default playback
// device: how a disc's audio, read digitally, reaches the speakers. Write and Drain are for one
// feeding thread; Cut may come from any other thread.
class OutputStream {
  public:
    virtual ~OutputStream() = default;
    // Queues interleaved samples, waiting while a short lead is already queued. False once the
    // stream is cut or the device is lost.
    virtual bool Write(std::span<const std::int16_t> samples) = 0;
    // Waits until everything written has been played, or the stream is cut.
    virtual void Drain() = 0;
    // Silences the stream at once and makes every Write and Drain, current or later, return.
    virtual void Cut() = 0;
};

constexpr int kCdSampleRate = 44100;
constexpr int kCdChannels = 2;

class AudioSystem {
  public:
    virtual ~AudioSystem() = default;
    virtual std::unique_ptr<Playback> CreatePlayback() = 0;
    virtual std::unique_ptr<Capture> CreateCapture() = 0;
    virtual std::unique_ptr<OutputStream> OpenOutputStream() = 0;
    // What the user can choose when the capture heard nothing; empty when the message says it.
    virtual std::string_view NothingHeardHint() const { return {}; }
};

// The default playback and capture devices of the installed backend; null when unavailable.
std::unique_ptr<Playback> CreatePlayback();
std::unique_ptr<Capture> CreateCapture();
std::unique_ptr<OutputStream> OpenOutputStream();

// Installs the backend of later creations; the caller keeps ownership.
void SetAudioSystem(AudioSystem* system);

// The platform's own sound card, and the name VELORIN_AUDIO gives it ("sdl", "dsound").
extern const std::string_view kSystemAudioName;
std::unique_ptr<AudioSystem> CreateSystemAudio();
// What the user can choose when the installed card's capture heard nothing from the CD: one line
// for that message, or empty.
std::string_view NothingHeardHint();

}  // namespace platform::dsound
