#pragma once
// What the stand-ins for the programs around the launcher share: the start log, the script that
// tells them what to do, and the values they leave in the store for the launcher.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// Appends "NAME<TAB>FOLDER<TAB>ARG..." to the file VELORIN_STANDIN_LOG names, if it names one.
// Tabs, line breaks and backslashes inside a field are written as \t, \n and \\ so that every
// start stays one line.
void LogStart(std::string_view programName, const std::vector<std::string>& arguments);

// One line of the script: "Velorin export-web /d/Salsa.dnc" is {"export-web", "/d/Salsa.dnc"}.
struct Action {
    std::string verb;
    std::string argument;  // the rest of the line, blanks included
};

// Whether VELORIN_STANDIN_SCRIPT names a script.
bool HasScript();
// Takes the first line of the script that names this program ("Velorin" or "Blendora") and
// removes it from the file; nothing when there is no such line.
std::optional<Action> TakeScriptLine(std::string_view scriptName);

// Whether a window can be shown.
bool HasDisplay();

// Does what the action says: export-web, export-avi, export-mix, export-wav and model-resolution
// store their argument where the launcher looks for it; nothing does nothing. False for an
// action the stand-ins do not know.
bool Perform(const Action& action);

// Velorin's analysis when the launcher asked for one (or none was ever made): measures briefly
// and stores its speed text in "FPS".
void AnalyseIfDue();

// Records the mixing tool's folder as the mixing tool's installation does.
bool RecordMixingToolFolder(std::string_view folder);

// The user's own folder for what the stand-ins export (dances, mixes), created if need be: below
// $XDG_DATA_HOME/velorin (default ~/.local/share/velorin), else in the temporary folder.
std::string ExportFolder(std::string_view name);

// Writes a small file (for the companion tools' output), ignoring failures.
void WriteSmallFile(const std::string& path, std::string_view text);

}  // namespace standin
