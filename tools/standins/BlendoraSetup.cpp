// Records the folder of the mixing tool stand-in in the store, as the mixing tool's installation
// does: blendora-setup [FOLDER]. Without FOLDER it records the Blendora folder beside itself,
// which is how an installation folder unpacked anywhere (the Windows ZIP) gets its record.
#include <cstdio>
#include <string>

#include "platform/process/ProgramFolder.h"
#include "tools/standins/Standin.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: blendora-setup [FOLDER]\n");
        return 2;
    }
    const std::string folder = argc == 2
                                   ? std::string(argv[1])
                                   : (platform::process::ProgramFolder() / "Blendora").string();
    return standin::RecordMixingToolFolder(folder) ? 0 : 1;
}
