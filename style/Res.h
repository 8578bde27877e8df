// One resource of a scene: its packed record and, by kind, its frames or
// its children.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "style/Records.h"
#include "style/StyleList.h"

typedef uint8_t ResType;
enum : ResType {
    RES_PIC_REGION = 1,
    RES_STRING = 2,
    RES_GROUP = 3,
    RES_PIC = 4,
};

// The type code whose record each record struct is.
template <class Record>
inline constexpr ResType kRecordResType = 0;
template <>
inline constexpr ResType kRecordResType<PicRegionInfo> = RES_PIC_REGION;
template <>
inline constexpr ResType kRecordResType<StringInfo> = RES_STRING;
template <>
inline constexpr ResType kRecordResType<ResGroupInfo> = RES_GROUP;
template <>
inline constexpr ResType kRecordResType<PicInfo> = RES_PIC;

class Res {
public:
    // The type code stored in the file; codes other than 1 to 4 are kept.
    ResType GetType() const { return m_type; }

    // The record read as the kind it is. Asking a resource for the record
    // of another kind, or for one of a type code without a record, is a
    // caller's fault: it throws std::logic_error rather than reading bytes
    // as what they are not.
    template <class Record>
    const Record& GetRecord() const
    {
        static_assert(kRecordResType<Record> != 0, "not a resource record");
        if (m_type != kRecordResType<Record> || !record)
            throw std::logic_error("Res::GetRecord: the resource holds a record of another kind");
        return *static_cast<const Record*>(record);
    }
    // The id of a resource of the four known kinds, whose records all begin
    // with the type byte and then the id, unaligned.
    uint32_t GetId() const
    {
        static_assert(offsetof(PicRegionInfo, id) == 1 && offsetof(StringInfo, id) == 1 &&
                      offsetof(ResGroupInfo, id) == 1 && offsetof(PicInfo, id) == 1);
        if (!record)
            throw std::logic_error("Res::GetId: a resource of an unknown type has no record");
        uint32_t id;
        std::memcpy(&id, static_cast<const uint8_t*>(record) + 1, sizeof id);
        return id;
    }

    // The packed record of the kind GetType() names: PicRegionInfo,
    // StringInfo, ResGroupInfo or PicInfo. Null for other kinds. Read it
    // through GetRecord.
    const void* record = nullptr;
    // The lists' storage and the children themselves belong to the scene.
    StyleList<uint16_t> frames;  // picture regions: one pic id per frame
    StyleList<Res*> children;    // resource groups

private:
    friend class StyleReader;
    ResType m_type = 0;
    uint32_t m_offset = 0;  // where its block starts in the file
};
