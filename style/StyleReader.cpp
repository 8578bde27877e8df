#include "style/StyleReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "style/StyFormat.h"

namespace {

std::string Hex(uint64_t value)
{
    char buf[2 + 16];
    buf[0] = '0';
    buf[1] = 'x';
    const auto end = std::to_chars(buf + 2, buf + sizeof buf, value, 16).ptr;
    return std::string(buf, end);
}

const char* BlockName(ResType type)
{
    switch (type) {
    case RES_PIC_REGION:
        return "picture region";
    case RES_STRING:
        return "string";
    case RES_GROUP:
        return "resource group";
    case RES_PIC:
        return "picture";
    default:
        return "resource";
    }
}

}  // namespace

std::string ParseResult::Message() const
{
    if (status == ParseStatus::ok)
        return "ok";
    return "offset " + Hex(offset) + ": " + description;
}

ParseResult StyleReader::Read(StyleHeader& header, std::vector<std::unique_ptr<Scene>>& scenes)
{
    scenes.clear();
    m_scenes = &scenes;
    try {
        if (m_size > std::numeric_limits<uint32_t>::max())
            Fail(ParseStatus::too_large, 0,
                 "file of " + std::to_string(m_size) + " bytes is larger than 32-bit offsets can address");
        Need(0, sty::kHeaderSize, 0, "header");
        const uint32_t format = U32(0);
        if ((format & sty::kMagicMask) != sty::kMagic)
            Fail(ParseStatus::bad_magic, 0, "not a style file: it does not begin with \"STY\"");
        if (m_data[3] != sty::kVersion)
            Fail(ParseStatus::bad_version, 3,
                 "format version " + std::to_string(m_data[3]) + " is not supported (this reader knows version " +
                     std::to_string(sty::kVersion) + ")");

        const uint32_t count = U32(sty::kHeaderSceneCount);
        const uint64_t tableSize = uint64_t{count} * sty::kSceneEntrySize;
        Need(sty::kHeaderSize, tableSize, sty::kHeaderSceneCount, "scene table");
        const std::size_t words = static_cast<std::size_t>((m_size + 63) / 64);
        m_claimed.assign(words, 0);
        Claim(0, sty::kHeaderSize + tableSize, 0, "header and scene table");

        scenes.reserve(count);
        for (uint32_t i = 0; i < count; ++i) {
            scenes.push_back(std::make_unique<Scene>());
            ReadScene(sty::kHeaderSize + uint64_t{i} * sty::kSceneEntrySize, *scenes.back());
        }
        header.format = format;
        header.scene_num = static_cast<int32_t>(U32(sty::kHeaderSceneNum));
        return {};
    } catch (ParseResult& refusal) {
        scenes.clear();
        return std::move(refusal);
    }
}

void StyleReader::ReadScene(uint64_t entry, Scene& scene)
{
    SceneInfo& info = scene.info;
    info.id = U32(entry + 0);
    info.offset = U32(entry + 4);
    info.size = U32(entry + 8);
    info.x = static_cast<int16_t>(U16(entry + 12));
    info.y = static_cast<int16_t>(U16(entry + 14));
    info.width = U16(entry + 16);
    info.height = U16(entry + 18);
    info.background_color = U32(entry + 20);
    info.visible = m_data[entry + 24];
    info.opaque = m_data[entry + 25];
    info.transparency = U16(entry + 26);
    info.res_num = static_cast<int32_t>(U32(entry + 28));
    info.child_offset = static_cast<int32_t>(U32(entry + 32));
    info.rotation = m_data[entry + 36];
    std::memcpy(info.keys, m_data + entry + 37, sizeof info.keys);

    // The root group stands for the scene itself.
    ResGroupInfo& root = scene.m_rootRecord;
    root.type = RES_GROUP;
    root.id = info.id;
    root.offset = info.offset;
    root.x = info.x;
    root.y = info.y;
    root.width = info.width;
    root.height = info.height;
    root.background_color = info.background_color;
    root.visible = info.visible;
    root.opaque = info.opaque;
    root.transparency = info.transparency;
    root.res_num = info.res_num;
    root.child_offset = static_cast<uint32_t>(info.child_offset);

    Res& group = scene.m_resources.Add();
    group.m_type = RES_GROUP;
    group.record = &root;
    scene.root_group = &group;

    // Groups wait on an explicit stack: the file decides the nesting, so the
    // reader never recurses.
    m_pending.push_back({&group, entry + sty::kSceneResCount, 0});
    while (!m_pending.empty()) {
        const PendingGroup next = m_pending.back();
        m_pending.pop_back();
        ReadChildren(scene, next);
    }
}

void StyleReader::ReadChildren(Scene& scene, const PendingGroup& parent)
{
    const uint32_t count = U32(parent.link);
    if (count == 0)
        return;
    const uint64_t table = U32(parent.link + 4);
    const uint64_t size = uint64_t{count} * sty::kTableEntrySize;
    const char* what = parent.depth == 0 ? "resource table" : "child table";
    Need(table, size, parent.link + 4, what);
    Claim(table, size, parent.link + 4, what);

    Res** const children = scene.m_resources.AllocateList<Res*>(count);
    const std::size_t firstPending = m_pending.size();
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = table + uint64_t{i} * sty::kTableEntrySize;
        // Blocks are seldom in cache: ask for one a few entries ahead. Only
        // a hint, so an offset outside the file does no harm unread.
        constexpr uint64_t kAhead = 4 * sty::kTableEntrySize;
        if (kAhead <= table + size - entry - sty::kTableEntrySize) {
            const uint64_t ahead = U32(entry + kAhead);
            if (ahead < m_size)
                __builtin_prefetch(m_data + ahead);
        }
        Res& child = ReadResource(scene, entry, parent.depth + 1);
        children[i] = &child;
        if (child.m_type == RES_GROUP)
            m_pending.push_back({&child, uint64_t{child.m_offset} + sty::kGroupChildCount, parent.depth + 1});
    }
    parent.group->children = StyleList<Res*>(children, count);
    // Taken from the back of the stack, the first child group comes next:
    // groups are read in document order, which is usually file order.
    std::reverse(m_pending.begin() + static_cast<std::ptrdiff_t>(firstPending), m_pending.end());
}

Res& StyleReader::ReadResource(Scene& scene, uint64_t entry, uint32_t depth)
{
    const uint64_t block = U32(entry);
    if (depth > sty::kMaxDepth)
        Fail(ParseStatus::too_deep, entry,
             "resource at " + Hex(block) + " is nested deeper than " + std::to_string(sty::kMaxDepth) + " levels");
    if (block >= m_size)
        Fail(ParseStatus::out_of_bounds, entry,
             "resource offset " + Hex(block) + " lies outside the file (" + std::to_string(m_size) + " bytes)");

    const ResType type = m_data[block];
    const uint32_t fixedSize = sty::FixedBlockSize(type);
    uint64_t size = fixedSize;
    if (fixedSize == 0) {
        Need(block, sty::kOtherHeaderSize, block, "resource header");
        size = sty::kOtherHeaderSize + uint64_t{U32(block + sty::kOtherBodyLength)};
    }
    Need(block, size, block, BlockName(type));
    if (!TryMark(block, size))
        FailBlockTaken(entry, block, size, type);

    Res& res = scene.m_resources.Add();
    res.m_type = type;
    res.m_offset = static_cast<uint32_t>(block);
    if (fixedSize != 0)  // a known type, whose record begins the block
        res.record = m_data + block;
    if (type == RES_PIC_REGION)
        ReadFrames(scene, res, block);
    return res;
}

void StyleReader::ReadFrames(Scene& scene, Res& region, uint64_t block)
{
    const uint32_t count = U32(block + sty::kRegionFrameCount);
    if (count == 0)
        return;
    const uint64_t list = U32(block + sty::kRegionFrameTable);
    const uint64_t size = uint64_t{count} * sty::kFrameEntrySize;
    Need(list, size, block + sty::kRegionFrameTable, "frame list");
    Claim(list, size, block + sty::kRegionFrameTable, "frame list");
    uint16_t* const frames = scene.m_resources.AllocateList<uint16_t>(count);
    std::memcpy(frames, m_data + list, size);
    region.frames = StyleList<uint16_t>(frames, count);
}

bool StyleReader::TryMark(uint64_t offset, uint64_t size)
{
    // Callers have checked that the bytes lie inside the file, so the sum
    // does not wrap and every word is in the bitmap.
    const uint64_t last = offset + size - 1;
    const std::size_t first = static_cast<std::size_t>(offset / 64);
    const std::size_t end = static_cast<std::size_t>(last / 64);
    const uint64_t head = ~uint64_t{0} << (offset % 64);
    const uint64_t tail = ~uint64_t{0} >> (63 - last % 64);
    if (first == end) {
        if (m_claimed[first] & head & tail)
            return false;
        m_claimed[first] |= head & tail;
        return true;
    }
    if ((m_claimed[first] & head) || (m_claimed[end] & tail))
        return false;
    for (std::size_t word = first + 1; word < end; ++word)
        if (m_claimed[word])
            return false;
    m_claimed[first] |= head;
    std::fill(m_claimed.begin() + static_cast<std::ptrdiff_t>(first + 1),
              m_claimed.begin() + static_cast<std::ptrdiff_t>(end), ~uint64_t{0});
    m_claimed[end] |= tail;
    return true;
}

void StyleReader::FailBounds(uint64_t offset, uint64_t size, uint64_t at, const char* what) const
{
    Fail(ParseStatus::out_of_bounds, at,
         std::string(what) + " at " + Hex(offset) + " (" + std::to_string(size) +
             " bytes) reaches past the end of the file (" + std::to_string(m_size) + " bytes)");
}

void StyleReader::FailBlockTaken(uint64_t entry, uint64_t block, uint64_t size, ResType type) const
{
    if (IsResourceStart(block))
        Fail(ParseStatus::reached_twice, entry,
             "resource at " + Hex(block) + " is reached a second time (a cycle or a shared child)");
    FailOverlap(block, size, block, BlockName(type));
}

void StyleReader::FailOverlap(uint64_t offset, uint64_t size, uint64_t at, const char* what) const
{
    Fail(ParseStatus::overlap, at,
         std::string(what) + " at " + Hex(offset) + " (" + std::to_string(size) +
             " bytes) overlaps another part of the document");
}

bool StyleReader::IsResourceStart(uint64_t offset) const
{
    for (const auto& scene : *m_scenes) {
        bool found = false;
        scene->m_resources.ForEach([&](const Res& res) {
            // Root groups stand for scene entries, which no table may name.
            found = found || (&res != scene->root_group && res.m_offset == offset);
        });
        if (found)
            return true;
    }
    return false;
}

void StyleReader::Fail(ParseStatus status, uint64_t at, std::string what) const
{
    throw ParseResult{status, at, std::move(what)};
}

uint16_t StyleReader::U16(uint64_t offset) const
{
    const uint8_t* p = m_data + offset;
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t StyleReader::U32(uint64_t offset) const
{
    const uint8_t* p = m_data + offset;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
