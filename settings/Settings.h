#pragma once
// Velorin's options and the hand-off values it shares with the launcher, one function per value.
// Each call opens its key, makes one read or one write, and closes the key: nothing is cached.
#include <cstdint>

#include "platform/registry/Registry.h"

// Open the options key / product key, creating the missing keys of the path below "SOFTWARE".
// The returned key is closed (IsOpen() false) when it could not be opened.
platform::registry::Key OpenOptionsKey();
platform::registry::Key OpenProductKey();

void SetAudioCapture(std::uint8_t flag);
std::uint8_t GetAudioDialogue();
void SetAudioDialogue(std::uint8_t flag);
std::uint8_t GetAudioBackgroundSounds();
void SetAudioBackgroundSounds(std::uint8_t flag);
std::uint8_t GetHardwareAcceleration();
void SetHardwareAcceleration(std::uint8_t flag);
void SetInvokedByLauncher(std::uint8_t flag);
std::uint8_t GetBvhExport();
void SetBvhExport(std::uint8_t flag);
std::int16_t GetModelResolution();
void SetModelResolution(std::int16_t resolution);
std::uint8_t GetXChipPatchInstalled();
void SetXChipPatchInstalled(std::uint8_t flag);

void RequestSpeedTest();
bool IsSpeedTestPending();

// Text getters: buffer may be null for a presence test; otherwise it holds 256 bytes.
bool GetExportedDance(char* buffer);
void ClearExportedDance();
bool GetExportedDanceForAvi(char* buffer, std::uint16_t capacity);
void ClearExportedDanceForAvi();
bool GetExportedMix(char* buffer);
void ClearExportedMix();
bool HasLastExportedWav();
bool GetMixingToolPath(char* buffer, std::uint16_t capacity);
