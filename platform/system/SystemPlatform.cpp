#include "platform/system/SystemPlatform.h"

#include <filesystem>
#include <system_error>

#include "platform/process/ProgramFolder.h"
#include "platform/system/AudioChoice.h"

namespace platform {

std::unique_ptr<SystemPlatform> SystemPlatform::Install(int& argc, char** argv,
                                                        std::string& refusal) {
    std::unique_ptr<SystemPlatform> platform(new SystemPlatform);
    // First, before any other thread exists: the watch may decide which thread hears requests.
    platform->endWatch_ = termination::CreateSystemEndWatch();
    AudioChoice audio = ChooseAudio();
    if (audio.card == nullptr) {
        refusal = audio.refusal;
        return nullptr;
    }
    platform->windows_ = ui::CreateSystemWindows(argc, argv);
    std::error_code ignored;
    std::filesystem::current_path(process::ProgramFolder(), ignored);

    platform->sound_ = audio.heard ? sound::CreateSystemSound() : sound::CreateSilence();
    sound::SetSoundBackend(platform->sound_.get());
    platform->audio_ = std::move(audio.card);
    dsound::SetAudioSystem(platform->audio_.get());

    // While Velorin or a companion runs, the windows keep painting and the input is dropped.
    platform->processes_ = process::CreateSystemProcessRunner([](std::chrono::milliseconds most) {
        ui::CurrentWindowSystem()->HandleEventsWithoutInput(most);
    });
    platform->internet_ = inet::CreateSystemInternet();
    platform->browser_ = shell::CreateSystemBrowser();
    platform->processor_ = cpu::CreateSystemProcessor();
    return platform;
}

SystemPlatform::~SystemPlatform() {
    dsound::SetAudioSystem(nullptr);
    sound::SetSoundBackend(nullptr);
}

}  // namespace platform
