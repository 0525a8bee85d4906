// Stand-in for the web exporter.
#include "tools/standins/Companion.h"

int main(int argc, char** argv) {
    return standin::RunCompanion("exportToWeb", ".html", argc, argv);
}
