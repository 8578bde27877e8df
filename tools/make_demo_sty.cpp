// Writes examples/demo.sty and examples/demo.h from their description in
// tools/StyDemo.cpp; see docs/sty-format.md.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/StyDemo.h"

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : "examples";
    if (!WriteBytes(dir + "/demo.sty", DemoSty().Write().bytes)) {
        std::fprintf(stderr, "cannot write %s/demo.sty\n", dir.c_str());
        return 1;
    }
    std::ofstream header(dir + "/demo.h", std::ios::binary | std::ios::trunc);
    header << DemoHeader();
    if (!header) {
        std::fprintf(stderr, "cannot write %s/demo.h\n", dir.c_str());
        return 1;
    }
    return 0;
}
