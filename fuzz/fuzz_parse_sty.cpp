// libFuzzer target for the style reader: any input is parsed from memory; a
// parsed document is walked whole so that the sanitizers see every record,
// frame and child it points to, and a refusal must leave nothing behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "style/StyFormat.h"
#include "style/StyleFile.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void Walk(const StyleFile& file, size_t inputSize)
{
    size_t resources = 0;
    std::vector<std::pair<const Res*, uint32_t>> stack;
    for (const Scene* scene : file.scenes) {
        Check(scene && scene->root_group && scene->root_group->GetType() == RES_GROUP);
        stack.push_back({scene->root_group, 0});
        while (!stack.empty()) {
            const auto [res, depth] = stack.back();
            stack.pop_back();
            Check(depth <= sty::kMaxDepth);
            uint8_t copy[64];
            const size_t size = sty::RecordSize(res->GetType());
            Check(size <= sizeof copy);
            Check((res->record != nullptr) == (size != 0));
            if (size)
                std::memcpy(copy, res->record, size);
            uint32_t sum = 0;
            for (uint16_t pic : res->frames)
                sum += pic;
            (void)sum;
            for (const Res* child : res->children) {
                Check(child != nullptr);
                stack.push_back({child, depth + 1});
            }
            ++resources;
        }
    }
    // Every resource holds at least five bytes of the file of its own.
    Check(resources - file.scenes.size() <= inputSize / sty::kOtherHeaderSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StyleFile file;
    if (file.ParseBytes(std::vector<uint8_t>(data, data + size))) {
        Check(static_cast<bool>(file.GetParseResult()));
        Walk(file, size);
    } else {
        Check(file.scenes.empty() && !file.GetParseResult().description.empty());
    }
    return 0;
}
