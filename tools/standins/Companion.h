#pragma once
// The web exporter and the AVI maker stand-ins: each logs its start and writes a small output
// file beside the dance it was given, so a person sees that it ran.
#include <string_view>

namespace standin {

int RunCompanion(std::string_view programName, std::string_view outputExtension, int argc,
                 char** argv);

}  // namespace standin
