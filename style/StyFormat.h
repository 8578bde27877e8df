// Byte positions of the ".sty" file format (docs/sty-format.md), shared by
// the reader and by the programs that write such files, so that both agree.
#pragma once

#include <cstdint>

#include "style/Records.h"
#include "style/Res.h"

// Resource records are used where they lie in the file's bytes.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the style library reads little-endian records in place"
#endif

namespace sty {

// The header's leading field: "STY" in its first three bytes, the version in
// the fourth.
constexpr uint32_t kMagic = 0x00595453;
constexpr uint32_t kMagicMask = 0x00FFFFFF;
constexpr uint8_t kVersion = 1;
constexpr uint32_t kFormat = kMagic | uint32_t{kVersion} << 24;

// File header: format, scene_num, scene count; the scene table follows.
constexpr uint32_t kHeaderSceneNum = 4;
constexpr uint32_t kHeaderSceneCount = 8;
constexpr uint32_t kHeaderSize = 12;

// Scene table entry: the 53 bytes of SceneInfo's fields, then the count and
// offset of the scene's resource table.
constexpr uint32_t kSceneInfoSize = 53;
constexpr uint32_t kSceneResCount = 53;
constexpr uint32_t kSceneResTable = 57;
constexpr uint32_t kSceneEntrySize = 61;

// The size of the packed record of a known resource type code; 0 for any
// other code.
constexpr uint32_t RecordSize(ResType type)
{
    switch (type) {
    case RES_PIC_REGION:
        return sizeof(PicRegionInfo);
    case RES_STRING:
        return sizeof(StringInfo);
    case RES_GROUP:
        return sizeof(ResGroupInfo);
    case RES_PIC:
        return sizeof(PicInfo);
    default:
        return 0;
    }
}

// Resource blocks: the packed record first; a group adds the count and offset
// of its child table, a region those of its frame list.
constexpr uint32_t kLinksSize = 8;
constexpr uint32_t kRegionFrameCount = RecordSize(RES_PIC_REGION);
constexpr uint32_t kRegionFrameTable = kRegionFrameCount + 4;
constexpr uint32_t kRegionBlockSize = kRegionFrameCount + kLinksSize;
constexpr uint32_t kGroupChildCount = RecordSize(RES_GROUP);
constexpr uint32_t kGroupChildTable = kGroupChildCount + 4;
constexpr uint32_t kGroupBlockSize = kGroupChildCount + kLinksSize;
constexpr uint32_t kStringBlockSize = RecordSize(RES_STRING);
constexpr uint32_t kPicBlockSize = RecordSize(RES_PIC);
// Any other type code: the type byte, a 32-bit body length, the body.
constexpr uint32_t kOtherBodyLength = 1;
constexpr uint32_t kOtherHeaderSize = 5;

// The size of the block of a resource with a known type code. 0 for any
// other code: such a block states its own length after the type byte.
constexpr uint32_t FixedBlockSize(ResType type)
{
    const bool linked = type == RES_GROUP || type == RES_PIC_REGION;
    return RecordSize(type) + (linked ? kLinksSize : 0);
}

constexpr uint32_t kTableEntrySize = 4;  // resource and child tables
constexpr uint32_t kFrameEntrySize = 2;  // frame lists

// Deepest resource below its scene (top-level resources are at depth 1).
constexpr uint32_t kMaxDepth = 1000;

}  // namespace sty
