// Stand-in for the AVI maker.
#include "tools/standins/Companion.h"

int main(int argc, char** argv) {
    return standin::RunCompanion("TsAVIMaker", ".avi", argc, argv);
}
