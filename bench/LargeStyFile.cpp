#include "bench/LargeStyFile.h"

#include <cstdio>
#include <vector>

#include "style/Records.h"
#include "style/Res.h"
#include "style/StyFormat.h"

namespace {

constexpr uint32_t kScenes = 64;
constexpr uint32_t kGroupsPerScene = 1018;
constexpr uint32_t kLeaves = 5;
constexpr uint32_t kFrames = 48;
constexpr uint32_t kRegionBytes = sty::kRegionBlockSize + kFrames * sty::kFrameEntrySize;
constexpr uint32_t kUnitBytes = sty::kGroupBlockSize + 3 * kLeaves * sty::kTableEntrySize +
                                kLeaves * (sty::kPicBlockSize + sty::kStringBlockSize + kRegionBytes);
static_assert(kLargeStyResources == uint64_t{kScenes} * kGroupsPerScene * (1 + 3 * kLeaves));

// The edits of the edited file: one every kEditStride groups from the
// kEditFirst-th on, taking their kinds in turn.
constexpr uint32_t kEdits = 100;
constexpr uint32_t kEditFirst = 325;
constexpr uint32_t kEditStride = 651;
static_assert(kEditFirst + (kEdits - 1) * kEditStride < kScenes * kGroupsPerScene);
enum class Edit { None, PicX, StringsSwapped, PicRemoved, FramePicId, GroupWidth };

Edit EditOfGroup(uint32_t group)
{
    if (group < kEditFirst || (group - kEditFirst) % kEditStride != 0 || (group - kEditFirst) / kEditStride >= kEdits)
        return Edit::None;
    constexpr Edit kinds[] = {Edit::PicX, Edit::StringsSwapped, Edit::PicRemoved, Edit::FramePicId, Edit::GroupWidth};
    return kinds[(group - kEditFirst) / kEditStride % 5];
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

template <class Record>
void PutRecord(std::vector<uint8_t>& out, const Record& record)
{
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    out.insert(out.end(), p, p + sizeof record);
}

}  // namespace

// Written scene by scene, so that generating it never holds it all.
bool WriteLargeStyFile(const std::string& path, bool edited)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::vector<uint8_t> out;
    Put32(out, sty::kFormat);
    Put32(out, kScenes);
    Put32(out, kScenes);
    const uint32_t sceneBytes = kGroupsPerScene * (sty::kTableEntrySize + kUnitBytes);
    uint32_t pos = sty::kHeaderSize + kScenes * sty::kSceneEntrySize;
    for (uint32_t s = 0; s < kScenes; ++s) {
        SceneInfo info{};
        info.id = 0x10000 * (s + 1);
        info.offset = pos + s * sceneBytes;
        info.size = sceneBytes;
        info.width = 800;
        info.height = 480;
        info.res_num = kGroupsPerScene;
        info.child_offset = static_cast<int32_t>(info.offset);
        out.insert(out.end(), reinterpret_cast<const uint8_t*>(&info),
                   reinterpret_cast<const uint8_t*>(&info) + sty::kSceneInfoSize);
        Put32(out, kGroupsPerScene);
        Put32(out, info.offset);
    }
    for (uint32_t s = 0; s < kScenes; ++s) {
        pos += kGroupsPerScene * sty::kTableEntrySize;
        for (uint32_t g = 0; g < kGroupsPerScene; ++g)
            Put32(out, pos + g * kUnitBytes);
        for (uint32_t g = 0; g < kGroupsPerScene; ++g) {
            const Edit edit = edited ? EditOfGroup(s * kGroupsPerScene + g) : Edit::None;
            const uint32_t id = 0x10000 * (s + 1) + 16 * g;
            ResGroupInfo group{};
            group.type = RES_GROUP;
            group.id = id;
            group.offset = pos;
            group.width = edit == Edit::GroupWidth ? 420 : 400;
            group.height = 100;
            group.res_num = 3 * kLeaves;
            group.child_offset = pos + sty::kGroupBlockSize;
            PutRecord(out, group);
            // A removed picture keeps its block, which nothing then points
            // to; its table entry goes, and the table's last one is unused.
            Put32(out, edit == Edit::PicRemoved ? 3 * kLeaves - 1 : 3 * kLeaves);
            Put32(out, group.child_offset);
            uint32_t leaf = group.child_offset + 3 * kLeaves * sty::kTableEntrySize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                if (edit != Edit::PicRemoved || i != 2)
                    Put32(out, leaf + i * sty::kPicBlockSize);
            leaf += kLeaves * sty::kPicBlockSize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                Put32(out, leaf + (edit == Edit::StringsSwapped && i < 2 ? 1 - i : i) * sty::kStringBlockSize);
            leaf += kLeaves * sty::kStringBlockSize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                Put32(out, leaf + i * kRegionBytes);
            if (edit == Edit::PicRemoved)
                Put32(out, 0);
            for (uint32_t i = 0; i < kLeaves; ++i) {
                PicInfo pic{};
                pic.type = RES_PIC;
                pic.id = id + 1 + i;
                pic.x = edit == Edit::PicX && i == 2 ? 7 : 0;
                pic.width = 64;
                pic.pic_id = static_cast<uint16_t>(i);
                PutRecord(out, pic);
            }
            for (uint32_t i = 0; i < kLeaves; ++i) {
                StringInfo text{};
                text.type = RES_STRING;
                text.id = id + 6 + i;
                text.string_id = static_cast<uint16_t>(i);
                PutRecord(out, text);
            }
            for (uint32_t i = 0; i < kLeaves; ++i) {
                const uint32_t at = pos + kUnitBytes - (kLeaves - i) * kRegionBytes;
                PicRegionInfo region{};
                region.type = RES_PIC_REGION;
                region.id = id + 11 + i;
                region.offset = at;
                region.frames_num = kFrames;
                region.pic_offset = at + sty::kRegionBlockSize;
                PutRecord(out, region);
                Put32(out, kFrames);
                Put32(out, region.pic_offset);
                for (uint32_t k = 0; k < kFrames; ++k) {
                    out.push_back(static_cast<uint8_t>(edit == Edit::FramePicId && i == 0 && k == 10 ? 99 : k));
                    out.push_back(0);
                }
            }
            pos += kUnitBytes;
        }
        if (std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
            std::fclose(f);
            return false;
        }
        out.clear();
    }
    return std::fclose(f) == 0;
}
