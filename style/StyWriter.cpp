#include "style/StyWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

uint32_t BlockSize(const StyNode& node)
{
    const uint32_t fixed = sty::FixedBlockSize(node.type);
    return fixed ? fixed : sty::kOtherHeaderSize + static_cast<uint32_t>(node.body.size());
}

StyNode Resource(uint8_t type)
{
    StyNode node;
    node.type = type;
    return node;
}

// The conventional values of the count and table fields of a group or a
// region whose child table or frame list holds count entries at table.
void FillLinks(ResGroupInfo& record, uint32_t count, uint32_t table)
{
    record.res_num = static_cast<int32_t>(count);
    record.child_offset = table;
}
void FillLinks(PicRegionInfo& record, uint32_t count, uint32_t table)
{
    record.frames_num = static_cast<uint16_t>(count);
    record.pic_offset = table;
}
// Pictures and strings have none.
template <class Record>
void FillLinks(Record&, uint32_t, uint32_t)
{
}

// A resource's record at the start of its block, with its type code and,
// unless the node keeps it as given, the conventional values of its offset,
// count and table fields.
template <class Record>
void PutResource(std::vector<uint8_t>& bytes, const StyNode& node, Record record, uint32_t at, uint32_t count,
                 uint32_t table)
{
    record.type = node.type;
    if (node.fill) {
        record.offset = at;
        FillLinks(record, count, table);
    }
    std::memcpy(bytes.data() + at, &record, sizeof record);
}

// The count and offset of a child table or frame list, stored together.
void PutLinks(std::vector<uint8_t>& bytes, size_t at, uint32_t count, uint32_t table)
{
    Put32(bytes, at, count);
    Put32(bytes, at + 4, table);
}

}  // namespace

size_t StyWriter::Scene(uint32_t id)
{
    StyNode node;
    node.is_scene = true;
    node.scene.id = id;
    m_nodes.push_back(std::move(node));
    m_scenes.push_back(m_nodes.size() - 1);
    return m_nodes.size() - 1;
}

size_t StyWriter::Group(size_t parent, uint32_t id)
{
    StyNode node = Resource(RES_GROUP);
    node.group.id = id;
    return Add(parent, std::move(node));
}

size_t StyWriter::Region(size_t parent, uint32_t id, std::vector<uint16_t> frames)
{
    StyNode node = Resource(RES_PIC_REGION);
    node.region.id = id;
    node.frames = std::move(frames);
    return Add(parent, std::move(node));
}

size_t StyWriter::Pic(size_t parent, uint32_t id, uint16_t pic_id)
{
    StyNode node = Resource(RES_PIC);
    node.pic.id = id;
    node.pic.pic_id = pic_id;
    return Add(parent, std::move(node));
}

size_t StyWriter::String(size_t parent, uint32_t id, uint16_t string_id)
{
    StyNode node = Resource(RES_STRING);
    node.string.id = id;
    node.string.string_id = string_id;
    return Add(parent, std::move(node));
}

size_t StyWriter::Other(size_t parent, uint8_t type, std::vector<uint8_t> body)
{
    StyNode node = Resource(type);
    node.body = std::move(body);
    return Add(parent, std::move(node));
}

size_t StyWriter::Add(size_t parent, StyNode node)
{
    m_nodes.push_back(std::move(node));
    m_nodes[parent].children.push_back(m_nodes.size() - 1);
    return m_nodes.size() - 1;
}

StyImage StyWriter::Write() const
{
    StyImage image;
    image.at.assign(m_nodes.size(), 0);
    image.table.assign(m_nodes.size(), 0);
    std::vector<uint32_t> sceneEnd(m_nodes.size(), 0);

    // Layout: header, scene table, then scene by scene its resource table
    // and its resources in pre-order, each block followed by its own child
    // table or frame list.
    uint64_t pos = sty::kHeaderSize + uint64_t{sty::kSceneEntrySize} * m_scenes.size();
    for (size_t i = 0; i < m_scenes.size(); ++i)
        image.at[m_scenes[i]] = static_cast<uint32_t>(sty::kHeaderSize + i * sty::kSceneEntrySize);
    std::vector<size_t> stack;
    for (size_t s : m_scenes) {
        image.table[s] = static_cast<uint32_t>(pos);
        pos += uint64_t{sty::kTableEntrySize} * m_nodes[s].children.size();
        stack.assign(m_nodes[s].children.rbegin(), m_nodes[s].children.rend());
        while (!stack.empty()) {
            const size_t n = stack.back();
            stack.pop_back();
            const StyNode& node = m_nodes[n];
            image.at[n] = static_cast<uint32_t>(pos);
            pos += BlockSize(node);
            if (node.type == RES_GROUP && !node.children.empty()) {
                image.table[n] = static_cast<uint32_t>(pos);
                pos += uint64_t{sty::kTableEntrySize} * node.children.size();
            }
            if (node.type == RES_PIC_REGION && !node.frames.empty()) {
                image.table[n] = static_cast<uint32_t>(pos);
                pos += uint64_t{sty::kFrameEntrySize} * node.frames.size();
            }
            if (node.type == RES_GROUP)
                stack.insert(stack.end(), node.children.rbegin(), node.children.rend());
        }
        sceneEnd[s] = static_cast<uint32_t>(pos);
    }

    std::vector<uint8_t>& bytes = image.bytes;
    bytes.assign(pos, 0);
    Put32(bytes, 0, format);
    Put32(bytes, sty::kHeaderSceneNum, static_cast<uint32_t>(scene_num.value_or(static_cast<int32_t>(m_scenes.size()))));
    Put32(bytes, sty::kHeaderSceneCount, static_cast<uint32_t>(m_scenes.size()));

    for (size_t n = 0; n < m_nodes.size(); ++n) {
        const StyNode& node = m_nodes[n];
        const uint32_t at = image.at[n];
        const uint32_t table = image.table[n];
        const auto count = static_cast<uint32_t>(node.is_scene || node.type == RES_GROUP ? node.children.size()
                                                                                            : node.frames.size());
        if (node.is_scene) {
            SceneInfo info = node.scene;
            if (node.fill) {
                info.offset = table;
                info.size = sceneEnd[n] - table;
                info.res_num = static_cast<int32_t>(count);
                info.child_offset = static_cast<int32_t>(count ? table : 0);
            }
            std::memcpy(bytes.data() + at, &info, sty::kSceneInfoSize);
            PutLinks(bytes, at + sty::kSceneResCount, count, count ? table : 0);
        } else {
            switch (node.type) {
            case RES_GROUP:
                PutResource(bytes, node, node.group, at, count, table);
                PutLinks(bytes, at + sty::kGroupChildCount, count, table);
                break;
            case RES_PIC_REGION:
                PutResource(bytes, node, node.region, at, count, table);
                PutLinks(bytes, at + sty::kRegionFrameCount, count, table);
                for (size_t i = 0; i < node.frames.size(); ++i)
                    Put16(bytes, table + i * sty::kFrameEntrySize, node.frames[i]);
                break;
            case RES_PIC:
                PutResource(bytes, node, node.pic, at, count, table);
                break;
            case RES_STRING:
                PutResource(bytes, node, node.string, at, count, table);
                break;
            default:
                bytes[at] = node.type;
                Put32(bytes, at + sty::kOtherBodyLength, static_cast<uint32_t>(node.body.size()));
                std::copy(node.body.begin(), node.body.end(), bytes.begin() + at + sty::kOtherHeaderSize);
                break;
            }
        }
        for (size_t i = 0; i < node.children.size(); ++i)
            Put32(bytes, table + i * sty::kTableEntrySize, image.at[node.children[i]]);
    }
    return image;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value)
{
    bytes.at(at) = static_cast<uint8_t>(value);
    bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    Put16(bytes, at, static_cast<uint16_t>(value));
    Put16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
