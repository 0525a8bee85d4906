#pragma once
// The device checks of the launch flows on the media layer, which VELORIN_CD and VELORIN_AUDIO
// configure: can the CD audio and wave audio devices be opened.
#include "launch/DeviceProbe.h"

class MciDeviceProbe : public DeviceProbe {
  public:
    bool OpenCdAudio() override;
    bool OpenWaveAudio() override;
};
