// Writes the benchmarks' large style file, for benchmarks of whole programs
// (bench/dump_vs_parse.sh, bench/diff_vs_parse.sh): make_large_sty
// [--edited] PATH
#include <cstdio>
#include <cstring>

#include "bench/LargeStyFile.h"

int main(int argc, char** argv)
{
    const bool edited = argc == 3 && std::strcmp(argv[1], "--edited") == 0;
    if (argc != 2 && !edited) {
        std::fprintf(stderr, "usage: make_large_sty [--edited] PATH\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    if (!WriteLargeStyFile(path, edited)) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}
