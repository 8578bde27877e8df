// Builds ".sty" files from a short description, so that the demo files and
// the tests say what a file holds instead of spelling its bytes:
//
//     StyWriter w;
//     auto s = w.Scene(0x100);
//     auto g = w.Group(s, 0x200);
//     w.Pic(g, 0x201, 7);
//     StyImage image = w.Write();
//
// Descriptions are flat (every node knows its parent by index), so a chain
// of 100,000 nested groups costs no recursion to build, write or destroy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "style/Records.h"
#include "style/Res.h"
#include "style/StyFormat.h"

struct StyNode {
    bool is_scene = false;
    uint8_t type = 0;  // resource type code (1 to 4, or any other)
    SceneInfo scene{};
    ResGroupInfo group{};
    PicRegionInfo region{};
    PicInfo pic{};
    StringInfo string{};
    std::vector<uint16_t> frames;  // picture regions
    std::vector<uint8_t> body;     // other type codes
    std::vector<size_t> children;  // scenes and groups, in order
    // Write() stores the conventional values of the offset, size and count
    // fields of the record; false keeps the record exactly as given.
    bool fill = true;
};

struct StyImage {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> at;     // per node: its scene entry or resource block
    std::vector<uint32_t> table;  // per node: its resource/child table or frame list, 0 if none
};

class StyWriter {
public:
    uint32_t format = sty::kFormat;  // the header's leading field
    std::optional<int32_t> scene_num;  // the number of scenes unless set

    size_t Scene(uint32_t id);
    size_t Group(size_t parent, uint32_t id);
    size_t Region(size_t parent, uint32_t id, std::vector<uint16_t> frames);
    size_t Pic(size_t parent, uint32_t id, uint16_t pic_id = 0);
    size_t String(size_t parent, uint32_t id, uint16_t string_id = 0);
    size_t Other(size_t parent, uint8_t type, std::vector<uint8_t> body = {});

    StyNode& Node(size_t index) { return m_nodes[index]; }
    size_t Size() const { return m_nodes.size(); }

    StyImage Write() const;

private:
    size_t Add(size_t parent, StyNode node);
    std::vector<StyNode> m_nodes;
    std::vector<size_t> m_scenes;
};

// Little-endian stores into a file image, also for tests that break one
// field.
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);

// Writes bytes to path; returns false if that fails.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
