#include "bench/BrowseBenchDocument.h"

#include <cstdio>

namespace {

constexpr int kScenes = 10;
constexpr int kGroupsPerScene = 100;
constexpr int kPicsPerGroup = 33;
constexpr int kStringsPerGroup = 33;
constexpr int kRegionsPerGroup = 11;
constexpr int kFramesPerRegion = 2;

}  // namespace

StyImage MakeBrowseBenchDocument(std::vector<uint32_t>& resourceIds)
{
    StyWriter w;
    uint32_t id = 0x100;
    const auto next = [&] {
        resourceIds.push_back(id);
        return id++;
    };
    for (int s = 0; s < kScenes; ++s) {
        const size_t scene = w.Scene(0x1000000u * static_cast<uint32_t>(s + 1));
        for (int g = 0; g < kGroupsPerScene; ++g) {
            const size_t group = w.Group(scene, next());
            for (int i = 0; i < kPicsPerGroup; ++i)
                w.Pic(group, next(), static_cast<uint16_t>(i));
            for (int i = 0; i < kStringsPerGroup; ++i)
                w.String(group, next(), static_cast<uint16_t>(i));
            for (int i = 0; i < kRegionsPerGroup; ++i)
                w.Region(group, next(), std::vector<uint16_t>(kFramesPerRegion, 7));
        }
    }
    return w.Write();
}

std::string MakeBrowseBenchHeader(const std::vector<uint32_t>& resourceIds)
{
    std::string text = "/* Names of the benchmark's document. */\n";
    char line[64];
    for (size_t k = 0; k < kBrowseBenchNames; ++k) {
        std::snprintf(line, sizeof line, "#define RES_NAME_%05zu 0x%08x\n", k,
                      static_cast<unsigned>(resourceIds[k * resourceIds.size() / kBrowseBenchNames]));
        text += line;
    }
    return text;
}
