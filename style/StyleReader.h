// Builds the scenes of a style file from its bytes, checking every offset and
// count where it is read. Resource records point into those bytes, so they
// must outlive the scenes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "style/ParseResult.h"
#include "style/Records.h"
#include "style/Scene.h"

class StyleReader {
public:
    StyleReader(const uint8_t* data, uint64_t size) : m_data(data), m_size(size) {}

    // Fills header and scenes for a valid file; on refusal leaves scenes
    // empty and says why.
    ParseResult Read(StyleHeader& header, std::vector<std::unique_ptr<Scene>>& scenes);

private:
    // A group whose child table is still to be read.
    struct PendingGroup {
        Res* group;
        uint64_t link;  // offset of its child count; the table offset follows
        uint32_t depth;
    };

    void ReadScene(uint64_t entry, Scene& scene);
    void ReadChildren(Scene& scene, const PendingGroup& parent);
    Res& ReadResource(Scene& scene, uint64_t entry, uint32_t depth);
    void ReadFrames(Scene& scene, Res& region, uint64_t block);

    // Refuses unless size bytes from offset lie inside the file; `at` is the
    // offset blamed, `what` names the part.
    void Need(uint64_t offset, uint64_t size, uint64_t at, const char* what) const
    {
        if (!Fits(offset, size, m_size))
            FailBounds(offset, size, at, what);
    }
    // The one bounds check: size bytes from offset lie within total bytes.
    static bool Fits(uint64_t offset, uint64_t size, uint64_t total)
    {
        return offset <= total && size <= total - offset;
    }
    // Marks bytes as read, refusing bytes that something else already holds.
    void Claim(uint64_t offset, uint64_t size, uint64_t at, const char* what)
    {
        if (size != 0 && !TryMark(offset, size))
            FailOverlap(offset, size, at, what);
    }
    // Marks size (not 0) bytes from offset unless any of them is taken
    // already; then marks none and returns false.
    bool TryMark(uint64_t offset, uint64_t size);
    // Whether a resource block already read begins at offset; only asked
    // once a block is found taken, to name the fault.
    bool IsResourceStart(uint64_t offset) const;
    [[noreturn]] void FailBounds(uint64_t offset, uint64_t size, uint64_t at, const char* what) const;
    [[noreturn]] void FailOverlap(uint64_t offset, uint64_t size, uint64_t at, const char* what) const;
    [[noreturn]] void FailBlockTaken(uint64_t entry, uint64_t block, uint64_t size, ResType type) const;
    [[noreturn]] void Fail(ParseStatus status, uint64_t at, std::string what) const;

    uint16_t U16(uint64_t offset) const;
    uint32_t U32(uint64_t offset) const;

    const uint8_t* m_data;
    uint64_t m_size;
    std::vector<uint64_t> m_claimed;  // one bit per byte already read
    const std::vector<std::unique_ptr<Scene>>* m_scenes = nullptr;  // built so far
    std::vector<PendingGroup> m_pending;
};
