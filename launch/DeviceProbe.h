#pragma once
// The two devices Velorin cannot run without. Each check opens the device and closes it again
// at once; a busy or missing device fails to open.
class DeviceProbe {
  public:
    virtual ~DeviceProbe() = default;
    // The CD drive, opened as a CD audio device.
    virtual bool OpenCdAudio() = 0;
    // The sound card, opened as a "waveaudio" device with no element.
    virtual bool OpenWaveAudio() = 0;
};
