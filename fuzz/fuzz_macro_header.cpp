// libFuzzer target for the C-header reader, fed from memory.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "style/header/HeaderReader.h"

namespace {

using Names = std::vector<std::pair<std::string, uint32_t>>;

Names Read(const std::string& text, bool& read)
{
    Names names;
    read = header::ReadHeader(text, [&names](std::string_view name, uint32_t id) {
        names.emplace_back(name, id);
    });
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    bool read = false;
    const Names names = Read(text, read);
    if (read == (text.find('\0') != std::string::npos))
        std::abort();  // text with a NUL byte, and only that, is refused

    // Each name comes once, with the value of the definition that holds.
    std::set<std::string, std::less<>> seen;
    for (const auto& [name, id] : names)
        if (name.empty() || !seen.insert(name).second)
            std::abort();

    // Lines that end with a lone CR read as lines that end with LF.
    if (text.find('\r') == std::string::npos) {
        std::string oldMac = text;
        std::replace(oldMac.begin(), oldMac.end(), '\n', '\r');
        bool readAgain = false;
        if (Read(oldMac, readAgain) != names || readAgain != read)
            std::abort();
    }
    return 0;
}
