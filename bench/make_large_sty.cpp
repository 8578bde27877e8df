// Writes the benchmarks' large style file, for benchmarks of whole programs
// (bench/dump_vs_parse.sh): make_large_sty PATH
#include <cstdio>

#include "bench/LargeStyFile.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_large_sty PATH\n");
        return 2;
    }
    if (!WriteLargeStyFile(argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
