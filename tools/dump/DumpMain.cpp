// The entry point of lorvex-dump. On Windows the arguments are taken as
// UTF-16 and handed on as UTF-8, so that a path in any script reaches the
// file functions whole whatever the code page; output is written as UTF-8
// bytes, untranslated.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/dump/Dump.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "framework/core/Utf.h"

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> utf8;
    utf8.reserve(static_cast<size_t>(argc));
    for (int i = 0; i < argc; ++i)
        utf8.push_back(AfxWideToUtf8(argv[i]));
    std::vector<const char*> pointers;
    for (const std::string& arg : utf8)
        pointers.push_back(arg.c_str());
    // Text mode would write each "\n" as "\r\n": the output is to be the
    // same bytes on both systems.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return RunDump(argc, pointers.data(), stdout, stderr);
}

#else

int main(int argc, char** argv)
{
    return RunDump(argc, argv, stdout, stderr);
}

#endif
