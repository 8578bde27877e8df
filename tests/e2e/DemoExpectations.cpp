#include "DemoExpectations.h"

const char* const kFewNamesHeader =
    "/* \xe6\xbc\x94\xe7\xa4\xba: three names of demo.sty */\n"  // 演示
    "#define HOME_SCENE 0x00010000\n"
    "#define TOOLBAR    0x00010110\n"
    "#define SPINNER    66048\n";

const wchar_t* const kFindText = L"str_";
const std::vector<const wchar_t*> kFindHits = {L"STR_TITLE", L"STR_MARQUEE", L"STR_OPTION"};
const wchar_t* const kCopiedBranch = L"RGN_SPINNER";
const wchar_t* const kClickedLeaf = L"PIC_BACKGROUND";

const std::vector<const wchar_t*>& RowNames(Kind kind)
{
    static const std::vector<const wchar_t*> file = {L"scene num"};
    static const std::vector<const wchar_t*> scene = {
        L"id", L"offset", L"size", L"x", L"y", L"width", L"height", L"background color", L"visible", L"opaque",
        L"transparency", L"res num", L"child offset", L"rotation", L"Key0", L"Key1", L"Key2", L"Key3", L"Key4",
        L"Key5", L"Key6", L"Key7", L"Key8", L"Key9", L"Key10", L"Key11", L"Key12", L"Key13", L"Key14", L"Key15"};
    static const std::vector<const wchar_t*> group = {
        L"type", L"id", L"offset", L"abs_x", L"abs_y", L"x", L"y", L"width", L"height", L"background color",
        L"visible", L"opaque", L"transparency", L"res num", L"child offset"};
    static const std::vector<const wchar_t*> region = {
        L"type", L"id", L"offset", L"x", L"y", L"width", L"height", L"visible", L"frames num", L"pic offset"};
    static const std::vector<const wchar_t*> pic = {
        L"type", L"id", L"offset", L"x", L"y", L"width", L"height", L"visible", L"pic id"};
    static const std::vector<const wchar_t*> string = {
        L"type", L"id", L"offset", L"x", L"y", L"width", L"height", L"forground color", L"background color",
        L"visible", L"text align", L"mode", L"font height", L"string id", L"text scroll", L"scroll direct",
        L"scroll space", L"scroll pixel"};
    static const std::vector<const wchar_t*> frame = {L"id", L"x", L"y", L"width", L"height", L"pic id"};
    switch (kind) {
    case Kind::File:
        return file;
    case Kind::Scene:
        return scene;
    case Kind::ResGroup:
        return group;
    case Kind::PicRegion:
        return region;
    case Kind::Pic:
        return pic;
    case Kind::String:
        return string;
    case Kind::Frame:
        break;
    }
    return frame;
}

// Offsets: the header (12 bytes) and three scene entries (61 bytes each)
// end at 0xc3, where the first scene's resource table (5 entries) begins;
// then each block in pre-order, a group's child table or a region's frame
// list right after its block. Blocks: group 45, region 32, picture 20,
// string 37 bytes; the unknown type 0x7f with its 6-byte body, 11.
const std::vector<ExpectedNode> kDemoTree = {
    {0, Kind::File, nullptr, nullptr, nullptr, {L"3"}},

    {1, Kind::Scene, L"Scene_10000", L"SCENE_MAIN", L"HOME_SCENE",
     {L"0x00010000", L"0x000000c3", L"0x0000018e", L"0", L"0", L"800", L"480", L"0xff202020", L"1", L"1", L"255",
      L"5", L"195", L"0", L"16", L"17", L"18", L"19", L"20", L"21", L"22", L"23", L"24", L"25", L"26", L"27", L"28",
      L"29", L"30", L"31"}},
    {2, Kind::ResGroup, L"ResGroup_10100", L"GRP_HEADER", L"ResGroup_10100",
     {L"3", L"0x00010100", L"0x000000d7", L"0", L"0", L"0", L"0", L"800", L"64", L"0x00000000", L"1", L"0", L"0",
      L"2", L"0x00000104"}},
    {3, Kind::ResGroup, L"ResGroup_10110", L"GRP_TOOLBAR", L"TOOLBAR",
     {L"3", L"0x00010110", L"0x0000010c", L"600", L"0", L"600", L"0", L"0", L"0", L"0x00000000", L"0", L"0", L"0",
      L"2", L"0x00000139"}},
    {4, Kind::ResGroup, L"ResGroup_10111", L"GRP_TOOLBAR_ICONS", L"ResGroup_10111",
     {L"3", L"0x00010111", L"0x00000141", L"600", L"8", L"0", L"8", L"0", L"0", L"0x00000000", L"0", L"0", L"0", L"2",
      L"0x0000016e"}},
    {5, Kind::Pic, L"Pic_10112", L"PIC_ICON_HOME", L"Pic_10112",
     {L"4", L"0x00010112", L"0x00000176", L"0", L"0", L"48", L"48", L"1", L"10"}},
    {5, Kind::Pic, L"Pic_10113", L"PIC_ICON_BACK", L"Pic_10113",
     {L"4", L"0x00010113", L"0x0000018a", L"-1", L"-32768", L"65535", L"65535", L"255", L"65535"}},
    {4, Kind::String, L"String10120", L"STR_TITLE", L"String10120",
     {L"2", L"0x00010120", L"0x0000019e", L"0", L"0", L"0", L"0", L"0xffffffff", L"0x00000000", L"0", L"0", L"0",
      L"24", L"1", L"0", L"0", L"0", L"0"}},
    {3, Kind::PicRegion, L"PicRigion_10200", L"RGN_SPINNER", L"SPINNER",
     {L"1", L"0x00010200", L"0x000001c3", L"16", L"16", L"32", L"32", L"0", L"5", L"0x000001e3"}},
    {4, Kind::Frame, L"Frame00", L"Frame00", L"Frame00", {L"0x00010200", L"16", L"16", L"32", L"32", L"1"}},
    {4, Kind::Frame, L"Frame01", L"Frame01", L"Frame01", {L"0x00010200", L"16", L"16", L"32", L"32", L"2"}},
    {4, Kind::Frame, L"Frame02", L"Frame02", L"Frame02", {L"0x00010200", L"16", L"16", L"32", L"32", L"3"}},
    {4, Kind::Frame, L"Frame03", L"Frame03", L"Frame03", {L"0x00010200", L"16", L"16", L"32", L"32", L"4"}},
    {4, Kind::Frame, L"Frame04", L"Frame04", L"Frame04", {L"0x00010200", L"16", L"16", L"32", L"32", L"65535"}},
    // An empty frame list whose record claims three frames at 0xffffffff.
    {2, Kind::PicRegion, L"PicRigion_10300", L"RGN_EMPTY", L"PicRigion_10300",
     {L"1", L"0x00010300", L"0x00000000", L"0", L"0", L"0", L"0", L"0", L"3", L"0xffffffff"}},
    {2, Kind::String, L"String10400", L"STR_MARQUEE", L"String10400",
     {L"2", L"0x00010400", L"0x0000020d", L"32767", L"-32768", L"0", L"0", L"0x00ff00ff", L"0xffffffff", L"0",
      L"255", L"128", L"255", L"65535", L"128", L"-128", L"65535", L"32768"}},
    // (The resource of type 0x7f at 0x232 has no node.)
    {2, Kind::Pic, L"Pic_10500", L"PIC_BACKGROUND", L"Pic_10500",
     {L"4", L"0x00010500", L"0x0000023d", L"0", L"0", L"0", L"0", L"0", L"0"}},

    // Every field at a limit; the resource table is at 0x251.
    {1, Kind::Scene, L"Scene_20000", L"SCENE_SETTINGS", L"Scene_20000",
     {L"0x00020000", L"0xffffffff", L"0xffffffff", L"-32768", L"32767", L"0", L"65535", L"0xffffffff", L"255", L"0",
      L"65535", L"-1", L"-1", L"255", L"0", L"255", L"255", L"255", L"255", L"255", L"255", L"255", L"255", L"255",
      L"255", L"255", L"255", L"255", L"255", L"255"}},
    {2, Kind::ResGroup, L"ResGroup_20100", L"GRP_OPTIONS", L"ResGroup_20100",
     {L"3", L"0x00020100", L"0x00000000", L"-32768", L"32767", L"0", L"0", L"0", L"0", L"0x00000000", L"0", L"0",
      L"65535", L"-1", L"0xffffffff"}},
    {3, Kind::String, L"String20110", L"STR_OPTION", L"String20110",
     {L"2", L"0x00020110", L"0x0000028a", L"0", L"0", L"0", L"0", L"0x00000000", L"0x00000000", L"0", L"0", L"0",
      L"0", L"2", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_ffffffff", L"PIC_MAX_ID", L"Pic_ffffffff",
     {L"4", L"0xffffffff", L"0x000002af", L"0", L"0", L"0", L"0", L"0", L"65535"}},

    // No resources: its (empty) table would begin at the end of the file.
    {1, Kind::Scene, L"Scene_30000", L"SCENE_EMPTY", L"Scene_30000",
     {L"0x00030000", L"0x000002c3", L"0x00000000", L"0", L"0", L"0", L"0", L"0x00000000", L"0", L"0", L"0", L"0",
      L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0"}},
};
