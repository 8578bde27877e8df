// One resource of a scene: its packed record and, by kind, its frames or
// its children.
#pragma once

#include <cstdint>

#include "style/StyleList.h"

typedef uint8_t ResType;
enum : ResType {
    RES_PIC_REGION = 1,
    RES_STRING = 2,
    RES_GROUP = 3,
    RES_PIC = 4,
};

class Res {
public:
    // The type code stored in the file; codes other than 1 to 4 are kept.
    ResType GetType() const { return m_type; }

    // The packed record of the kind GetType() names: PicRegionInfo,
    // StringInfo, ResGroupInfo or PicInfo. Null for other kinds.
    const void* record = nullptr;
    // The lists' storage and the children themselves belong to the scene.
    StyleList<uint16_t> frames;  // picture regions: one pic id per frame
    StyleList<Res*> children;    // resource groups

private:
    friend class StyleReader;
    ResType m_type = 0;
    uint32_t m_offset = 0;  // where its block starts in the file
};
