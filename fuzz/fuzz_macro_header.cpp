// libFuzzer target for the C-header reader, fed from memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "style/header/HeaderReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Each name comes once, with the value of the definition that holds.
    std::set<std::string, std::less<>> seen;
    const bool read = header::ReadHeader(text, [&seen](std::string_view name, uint32_t) {
        if (name.empty() || !seen.emplace(name).second)
            std::abort();
    });
    if (read == (text.find('\0') != std::string::npos))
        std::abort();  // text with a NUL byte, and only that, is refused
    return 0;
}
