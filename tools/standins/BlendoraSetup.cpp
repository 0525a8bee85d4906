// Records the folder of the mixing tool stand-in in the store, as the mixing tool's installation
// does: blendora-setup FOLDER.
#include <cstdio>

#include "tools/standins/Standin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: blendora-setup FOLDER\n");
        return 2;
    }
    return standin::RecordMixingToolFolder(argv[1]) ? 0 : 1;
}
