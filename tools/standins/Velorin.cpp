// Stand-in for Velorin: analyses the computer when asked to, then exports what its script or a
// person chooses, and exits.
#include <filesystem>

#include "tools/standins/ActionWindow.h"
#include "tools/standins/Standin.h"

int main(int argc, char** argv) {
    standin::LogStart("Velorin", {argv + 1, argv + argc});
    standin::AnalyseIfDue();
    std::optional<standin::Action> action = standin::TakeScriptLine("Velorin");
    if (!action && !standin::HasScript() && standin::HasDisplay()) {
        action = standin::ChooseAction(
            argc, argv, "Velorin (stand-in)",
            {{"Export the dance for the web", "export-web", ""},
             {"Export the dance for an AVI movie", "export-avi", ""},
             {"Export a mix for the mixing room", "export-mix", ""},
             {"Let the analysis choose model resolution High", "model-resolution", "2"},
             {"Exit without exporting", "nothing", "-"}},
            (std::filesystem::path(standin::ExportFolder("dances")) / "Salsa.dnc").string());
    }
    return action && !standin::Perform(*action) ? 1 : 0;
}
