// After Velorin exits: handing what it exported to the web exporter, the AVI maker or the mixing
// tool, and back to Velorin after the mixing tool.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "launch/DanceTitle.h"
#include "launch/LaunchFlows.h"
#include "launch/LaunchTexts.h"
#include "launch/ScreenGuards.h"
#include "platform/ui/MessageBox.h"
#include "settings/Settings.h"

namespace ui = platform::ui;
using platform::process::RunResult;
using namespace launch_texts;

namespace {
// The store holds names of at most 255 characters.
constexpr std::uint16_t kNameCapacity = 256;
using NameBuffer = std::array<char, kNameCapacity>;
}  // namespace

// What differs between handing a dance to the web exporter and to the AVI maker.
struct LaunchFlows::ExportTool {
    bool (*read)(char* buffer);
    void (*clear)();
    std::string_view programFile;  // looked for in the current folder, and run from there
    std::string_view questionStart;
    std::string_view questionCaption;
    DownloadTool download;
    std::string_view cannotStart;
    std::string_view cannotStartCaption;
};

LaunchFlows::Next LaunchFlows::PostRunHandOff() {
    if (GetExportedDance(nullptr)) {
        RunWebExporter();
        return Next::Stop;
    }
    if (GetExportedMix(nullptr)) {
        screen_.State().m_bReturnToVelorin = true;
        return MixingToolRun();
    }
    if (GetExportedDanceForAvi(nullptr, 0)) {
        RunAviMaker();
        return Next::Stop;
    }
    screen_.EndDialog(0);
    return Next::Stop;
}

void LaunchFlows::RunMixingTool() {
    if (MixingToolRun() == Next::LaunchAgain) {
        LaunchVelorin();
    }
}

LaunchFlows::Next LaunchFlows::MixingToolRun() {
    NameBuffer folder{};
    if (!GetMixingToolPath(folder.data(), kNameCapacity)) {
        ui::ShowMessage(Owner(), kBlendoraNotInstalled, kBlendoraCaption, ui::Buttons::Ok);
        return Next::Stop;
    }
    // The stored folder is one path: a blank in it never makes a shorter path the program.
    const std::string program = std::string(folder.data()) + std::string(kMixingToolFile);
    std::vector<std::string> arguments;
    NameBuffer mix{};
    if (GetExportedMix(mix.data())) {
        ClearExportedMix();
        arguments.emplace_back(mix.data());
    }
    RunResult result;
    {
        WaitCursor waiting;
        result = services_.processes.RunProgramAndWait(program, arguments, folder.data());
    }
    if (result == RunResult::FailedToStart) {
        ui::ShowMessage(Owner(), kBlendoraCannotStart, kBlendoraCaption, ui::Buttons::Ok);
    }
    screen_.ScreenWindow().RedrawNow();
    LaunchState state = screen_.State();
    if (HasLastExportedWav() || state.m_bReturnToVelorin) {
        state.m_bReturnToVelorin = false;
        return Next::LaunchAgain;
    }
    return Next::Stop;
}

void LaunchFlows::RunWebExporter() {
    static const ExportTool kWebExporter{
        [](char* buffer) { return GetExportedDance(buffer); },
        ClearExportedDance,
        "exportToWeb.exe",
        "Velorin is ready to export the dance\n",
        "Export Dance To Web",
        DownloadTool::WebExporter,
        "Could not start the Velorin Web Exporter.\nPlease re-install the Velorin Web Exporter.",
        "Cannot start Velorin Web Exporter"};
    RunExportTool(kWebExporter);
}

void LaunchFlows::RunAviMaker() {
    static const ExportTool kAviMaker{
        [](char* buffer) { return GetExportedDanceForAvi(buffer, kNameCapacity); },
        ClearExportedDanceForAvi,
        "TsAVIMaker.exe",
        "Velorin is ready to create an AVI Movie from the dance\n",
        "Create AVI Movie from Dance",
        DownloadTool::AviMaker,
        "Could not start the Velorin AVI Maker.\nPlease re-install the Velorin AVI Maker.",
        "Cannot start Velorin AVI Maker"};
    RunExportTool(kAviMaker);
}

// The export is consumed here, before the tool is looked for: a missing tool or a Cancel loses it.
void LaunchFlows::RunExportTool(const ExportTool& tool) {
    NameBuffer name{};
    if (!tool.read(name.data())) {
        ui::ShowMessage(Owner(), kNoDanceFile, kNoDanceFileCaption, ui::Buttons::Ok);
        return;
    }
    tool.clear();
    // The file the question is about is the file that runs.
    const std::optional<std::string> program =
        services_.processes.InstalledProgram(tool.programFile);
    if (!program.has_value()) {
        OfferToolDownload(tool.download);
        return;
    }
    std::string question =
        std::string(tool.questionStart) + DanceTitle(name.data()) + std::string(kQuestionEnd);
    if (ui::ShowMessage(Owner(), question, tool.questionCaption, ui::Buttons::OkCancel) !=
        ui::Answer::Ok) {
        return;
    }
    // The name is handed on whole, as one argument, however long and whatever it holds.
    const std::string arguments[] = {name.data()};
    if (services_.processes.RunProgramAndWait(*program, arguments, {}) ==
        RunResult::FailedToStart) {
        ui::ShowMessage(Owner(), tool.cannotStart, tool.cannotStartCaption, ui::Buttons::Ok);
    }
}
