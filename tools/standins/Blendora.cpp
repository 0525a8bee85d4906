// Stand-in for the mixing tool "Blendora Studio VL": opens the mix it is given and may export a
// WAVE file, which sends the user back to Velorin.
#include <filesystem>

#include "tools/standins/ActionWindow.h"
#include "tools/standins/Standin.h"

int main(int argc, char** argv) {
    standin::LogStart("Blendora Studio VL", {argv + 1, argv + argc});
    std::optional<standin::Action> action = standin::TakeScriptLine("Blendora");
    if (!action && !standin::HasScript() && standin::HasDisplay()) {
        action = standin::ChooseAction(
            argc, argv, "Blendora Studio VL (stand-in)",
            {{"Export a WAVE file", "export-wav", ""}, {"Close", "nothing", "-"}},
            (std::filesystem::path(standin::ExportFolder("mixes")) / "take.wav").string());
    }
    return action && !standin::Perform(*action) ? 1 : 0;
}
