#include "DemoExpectations.h"

const char* const kFewNamesHeader =
    "/* \xe6\xbc\x94\xe7\xa4\xba: three names of demo.sty */\n"  // 演示
    "#define HOME_SCREEN 0x00010000\n"
    "#define TOOLBAR     0x00010400\n"
    "#define SPINNER     66048\n";

// "ue" is in three names only, MARQUEE and BLUETOOTH twice, in either case.
const wchar_t* const kFindText = L"ue";
const std::vector<const wchar_t*> kFindHits = {L"STR_MARQUEE", L"STR_OPT_BLUETOOTH", L"PIC_TOGGLE_BLUETOOTH"};
const wchar_t* const kCopiedBranch = L"RGN_SPINNER";
const wchar_t* const kClickedLeaf = L"STR_TOAST";

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

// demo.sty, from tools/StyDemo.cpp. Offsets: the header (12 bytes) and
// three scene entries (61 bytes each) end at 0xc3, where the first scene's
// resource table (5 entries) begins; then each block in pre-order, a
// group's child table or a region's frame list right after its block.
// Blocks: group 45, region 32, picture 20, string 37 bytes. The home
// screen's data ends at 0x295, where the settings screen's table begins.
const std::vector<ExpectedNode> kDemoTree = {
    {0, Kind::File, nullptr, nullptr, nullptr, {L"3"}},

    {1, Kind::Scene, L"Scene_10000", L"SCENE_MAIN", L"HOME_SCREEN",
     {L"0x00010000", L"0x000000c3", L"0x000001d2", L"0", L"0", L"800", L"480", L"0xff1e2a38", L"1", L"1", L"255", L"5",
      L"195", L"0", L"37", L"38", L"39", L"40", L"13", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0",
      L"0"}},
    {2, Kind::ResGroup, L"ResGroup_10100", L"GRP_STATUS_BAR", L"ResGroup_10100",
     {L"3", L"0x00010100", L"0x000000d7", L"0", L"0", L"0", L"0", L"800", L"32", L"0xff121a24", L"1", L"1", L"255",
      L"2", L"0x00000104"}},
    {3, Kind::String, L"String10101", L"STR_CLOCK", L"String10101",
     {L"2", L"0x00010101", L"0x0000010c", L"16", L"4", L"96", L"24", L"0xffffffff", L"0x00000000", L"1", L"0", L"0",
      L"20", L"1", L"0", L"0", L"0", L"0"}},
    {3, Kind::ResGroup, L"ResGroup_10102", L"GRP_STATUS_ICONS", L"ResGroup_10102",
     {L"3", L"0x00010102", L"0x00000131", L"696", L"0", L"696", L"0", L"104", L"32", L"0x00000000", L"1", L"0", L"0",
      L"2", L"0x0000015e"}},
    {4, Kind::Pic, L"Pic_10103", L"PIC_SIGNAL", L"Pic_10103",
     {L"4", L"0x00010103", L"0x00000166", L"8", L"4", L"32", L"24", L"1", L"10"}},
    {4, Kind::Pic, L"Pic_10104", L"PIC_BATTERY", L"Pic_10104",
     {L"4", L"0x00010104", L"0x0000017a", L"52", L"4", L"40", L"24", L"1", L"11"}},
    {2, Kind::PicRegion, L"PicRigion_10200", L"RGN_SPINNER", L"SPINNER",
     {L"1", L"0x00010200", L"0x0000018e", L"368", L"144", L"64", L"64", L"1", L"8", L"0x000001ae"}},
    {3, Kind::Frame, L"Frame00", L"Frame00", L"Frame00",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"30"}},
    {3, Kind::Frame, L"Frame01", L"Frame01", L"Frame01",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"31"}},
    {3, Kind::Frame, L"Frame02", L"Frame02", L"Frame02",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"32"}},
    {3, Kind::Frame, L"Frame03", L"Frame03", L"Frame03",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"33"}},
    {3, Kind::Frame, L"Frame04", L"Frame04", L"Frame04",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"34"}},
    {3, Kind::Frame, L"Frame05", L"Frame05", L"Frame05",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"35"}},
    {3, Kind::Frame, L"Frame06", L"Frame06", L"Frame06",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"36"}},
    {3, Kind::Frame, L"Frame07", L"Frame07", L"Frame07",
     {L"0x00010200", L"368", L"144", L"64", L"64", L"37"}},
    {2, Kind::String, L"String10300", L"STR_MARQUEE", L"String10300",
     {L"2", L"0x00010300", L"0x000001be", L"0", L"360", L"800", L"32", L"0xffffc857", L"0x00000000", L"1", L"0", L"0",
      L"18", L"2", L"1", L"-1", L"80", L"2"}},
    {2, Kind::String, L"String10301", L"STR_TOAST", L"String10301",
     {L"2", L"0x00010301", L"0x000001e3", L"200", L"240", L"400", L"48", L"0xff1e2a38", L"0xfff2f4f7", L"0", L"1", L"0",
      L"18", L"3", L"0", L"0", L"0", L"0"}},
    {2, Kind::ResGroup, L"ResGroup_10400", L"GRP_TOOLBAR", L"TOOLBAR",
     {L"3", L"0x00010400", L"0x00000208", L"0", L"400", L"0", L"400", L"800", L"80", L"0xff27394d", L"1", L"1", L"255",
      L"4", L"0x00000235"}},
    {3, Kind::Pic, L"Pic_10401", L"PIC_ICON_HOME", L"Pic_10401",
     {L"4", L"0x00010401", L"0x00000245", L"68", L"8", L"64", L"64", L"1", L"20"}},
    {3, Kind::Pic, L"Pic_10402", L"PIC_ICON_MEDIA", L"Pic_10402",
     {L"4", L"0x00010402", L"0x00000259", L"268", L"8", L"64", L"64", L"1", L"21"}},
    {3, Kind::Pic, L"Pic_10403", L"PIC_ICON_SETTINGS", L"Pic_10403",
     {L"4", L"0x00010403", L"0x0000026d", L"468", L"8", L"64", L"64", L"1", L"22"}},
    {3, Kind::Pic, L"Pic_10404", L"PIC_ICON_POWER", L"Pic_10404",
     {L"4", L"0x00010404", L"0x00000281", L"668", L"8", L"64", L"64", L"1", L"23"}},

    {1, Kind::Scene, L"Scene_20000", L"SCENE_SETTINGS", L"Scene_20000",
     {L"0x00020000", L"0x00000295", L"0x00000187", L"0", L"0", L"800", L"480", L"0xff1b2430", L"1", L"1", L"255", L"3",
      L"661", L"0", L"38", L"40", L"13", L"27", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0",
      L"0"}},
    {2, Kind::String, L"String20100", L"STR_SETTINGS_TITLE", L"String20100",
     {L"2", L"0x00020100", L"0x000002a1", L"24", L"16", L"400", L"40", L"0xffffffff", L"0x00000000", L"1", L"0", L"0",
      L"28", L"10", L"0", L"0", L"0", L"0"}},
    {2, Kind::ResGroup, L"ResGroup_20200", L"GRP_OPTIONS", L"ResGroup_20200",
     {L"3", L"0x00020200", L"0x000002c6", L"24", L"80", L"24", L"80", L"752", L"304", L"0xff243040", L"1", L"1", L"255",
      L"8", L"0x000002f3"}},
    {3, Kind::String, L"String20210", L"STR_OPT_WIFI", L"String20210",
     {L"2", L"0x00020210", L"0x00000313", L"16", L"16", L"560", L"56", L"0xffe6ebf0", L"0x00000000", L"1", L"0", L"0",
      L"22", L"11", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_20211", L"PIC_TOGGLE_WIFI", L"Pic_20211",
     {L"4", L"0x00020211", L"0x00000338", L"656", L"28", L"64", L"32", L"1", L"40"}},
    {3, Kind::String, L"String20220", L"STR_OPT_BLUETOOTH", L"String20220",
     {L"2", L"0x00020220", L"0x0000034c", L"16", L"88", L"560", L"56", L"0xffe6ebf0", L"0x00000000", L"1", L"0", L"0",
      L"22", L"12", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_20221", L"PIC_TOGGLE_BLUETOOTH", L"Pic_20221",
     {L"4", L"0x00020221", L"0x00000371", L"656", L"100", L"64", L"32", L"1", L"41"}},
    {3, Kind::String, L"String20230", L"STR_OPT_SOUND", L"String20230",
     {L"2", L"0x00020230", L"0x00000385", L"16", L"160", L"560", L"56", L"0xffe6ebf0", L"0x00000000", L"1", L"0", L"0",
      L"22", L"13", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_20231", L"PIC_TOGGLE_SOUND", L"Pic_20231",
     {L"4", L"0x00020231", L"0x000003aa", L"656", L"172", L"64", L"32", L"1", L"40"}},
    {3, Kind::String, L"String20240", L"STR_OPT_BRIGHTNESS", L"String20240",
     {L"2", L"0x00020240", L"0x000003be", L"16", L"232", L"560", L"56", L"0xffe6ebf0", L"0x00000000", L"1", L"0", L"0",
      L"22", L"14", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_20241", L"PIC_TOGGLE_BRIGHTNESS", L"Pic_20241",
     {L"4", L"0x00020241", L"0x000003e3", L"656", L"244", L"64", L"32", L"1", L"41"}},
    {2, Kind::String, L"String20300", L"STR_SETTINGS_HINT", L"String20300",
     {L"2", L"0x00020300", L"0x000003f7", L"24", L"416", L"752", L"32", L"0xff8c9aab", L"0x00000000", L"1", L"1", L"0",
      L"16", L"15", L"0", L"0", L"0", L"0"}},

    // No resources: its (empty) table would begin at the end of the file.
    {1, Kind::Scene, L"Scene_30000", L"SCENE_EMPTY", L"Scene_30000",
     {L"0x00030000", L"0x0000041c", L"0x00000000", L"0", L"0", L"800", L"480", L"0xff000000", L"1", L"1", L"255", L"0",
      L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0"}},
};

// edges.sty, from tests/fixtures/EdgeSty.cpp (no few-names labels).
// Offsets: the header (12 bytes) and three scene entries (61 bytes each)
// end at 0xc3, where the first scene's resource table (5 entries) begins;
// then each block in pre-order, a group's child table or a region's frame
// list right after its block. Blocks: group 45, region 32, picture 20,
// string 37 bytes; the unknown type 0x7f with its 6-byte body, 11.
const std::vector<ExpectedNode> kEdgeTree = {
    {0, Kind::File, nullptr, nullptr, nullptr, {L"3"}},

    {1, Kind::Scene, L"Scene_10000", L"SCENE_MAIN", nullptr,
     {L"0x00010000", L"0x000000c3", L"0x0000018e", L"0", L"0", L"800", L"480", L"0xff202020", L"1", L"1", L"255",
      L"5", L"195", L"0", L"16", L"17", L"18", L"19", L"20", L"21", L"22", L"23", L"24", L"25", L"26", L"27", L"28",
      L"29", L"30", L"31"}},
    {2, Kind::ResGroup, L"ResGroup_10100", L"GRP_HEADER", nullptr,
     {L"3", L"0x00010100", L"0x000000d7", L"0", L"0", L"0", L"0", L"800", L"64", L"0x00000000", L"1", L"0", L"0",
      L"2", L"0x00000104"}},
    {3, Kind::ResGroup, L"ResGroup_10110", L"GRP_TOOLBAR", nullptr,
     {L"3", L"0x00010110", L"0x0000010c", L"600", L"0", L"600", L"0", L"0", L"0", L"0x00000000", L"0", L"0", L"0",
      L"2", L"0x00000139"}},
    {4, Kind::ResGroup, L"ResGroup_10111", L"GRP_TOOLBAR_ICONS", nullptr,
     {L"3", L"0x00010111", L"0x00000141", L"600", L"8", L"0", L"8", L"0", L"0", L"0x00000000", L"0", L"0", L"0", L"2",
      L"0x0000016e"}},
    {5, Kind::Pic, L"Pic_10112", L"PIC_ICON_HOME", nullptr,
     {L"4", L"0x00010112", L"0x00000176", L"0", L"0", L"48", L"48", L"1", L"10"}},
    {5, Kind::Pic, L"Pic_10113", L"PIC_ICON_BACK", nullptr,
     {L"4", L"0x00010113", L"0x0000018a", L"-1", L"-32768", L"65535", L"65535", L"255", L"65535"}},
    {4, Kind::String, L"String10120", L"STR_TITLE", nullptr,
     {L"2", L"0x00010120", L"0x0000019e", L"0", L"0", L"0", L"0", L"0xffffffff", L"0x00000000", L"0", L"0", L"0",
      L"24", L"1", L"0", L"0", L"0", L"0"}},
    {3, Kind::PicRegion, L"PicRigion_10200", L"RGN_SPINNER", nullptr,
     {L"1", L"0x00010200", L"0x000001c3", L"16", L"16", L"32", L"32", L"0", L"5", L"0x000001e3"}},
    {4, Kind::Frame, L"Frame00", L"Frame00", nullptr, {L"0x00010200", L"16", L"16", L"32", L"32", L"1"}},
    {4, Kind::Frame, L"Frame01", L"Frame01", nullptr, {L"0x00010200", L"16", L"16", L"32", L"32", L"2"}},
    {4, Kind::Frame, L"Frame02", L"Frame02", nullptr, {L"0x00010200", L"16", L"16", L"32", L"32", L"3"}},
    {4, Kind::Frame, L"Frame03", L"Frame03", nullptr, {L"0x00010200", L"16", L"16", L"32", L"32", L"4"}},
    {4, Kind::Frame, L"Frame04", L"Frame04", nullptr, {L"0x00010200", L"16", L"16", L"32", L"32", L"65535"}},
    // An empty frame list whose record claims three frames at 0xffffffff.
    {2, Kind::PicRegion, L"PicRigion_10300", L"RGN_EMPTY", nullptr,
     {L"1", L"0x00010300", L"0x00000000", L"0", L"0", L"0", L"0", L"0", L"3", L"0xffffffff"}},
    {2, Kind::String, L"String10400", L"STR_MARQUEE", nullptr,
     {L"2", L"0x00010400", L"0x0000020d", L"32767", L"-32768", L"0", L"0", L"0x00ff00ff", L"0xffffffff", L"0",
      L"255", L"128", L"255", L"65535", L"128", L"-128", L"65535", L"32768"}},
    // (The resource of type 0x7f at 0x232 has no node.)
    {2, Kind::Pic, L"Pic_10500", L"PIC_BACKGROUND", nullptr,
     {L"4", L"0x00010500", L"0x0000023d", L"0", L"0", L"0", L"0", L"0", L"0"}},

    // Every field at a limit; the resource table is at 0x251.
    {1, Kind::Scene, L"Scene_20000", L"SCENE_SETTINGS", nullptr,
     {L"0x00020000", L"0xffffffff", L"0xffffffff", L"-32768", L"32767", L"0", L"65535", L"0xffffffff", L"255", L"0",
      L"65535", L"-1", L"-1", L"255", L"0", L"255", L"255", L"255", L"255", L"255", L"255", L"255", L"255", L"255",
      L"255", L"255", L"255", L"255", L"255", L"255"}},
    {2, Kind::ResGroup, L"ResGroup_20100", L"GRP_OPTIONS", nullptr,
     {L"3", L"0x00020100", L"0x00000000", L"-32768", L"32767", L"0", L"0", L"0", L"0", L"0x00000000", L"0", L"0",
      L"65535", L"-1", L"0xffffffff"}},
    {3, Kind::String, L"String20110", L"STR_OPTION", nullptr,
     {L"2", L"0x00020110", L"0x0000028a", L"0", L"0", L"0", L"0", L"0x00000000", L"0x00000000", L"0", L"0", L"0",
      L"0", L"2", L"0", L"0", L"0", L"0"}},
    {3, Kind::Pic, L"Pic_ffffffff", L"PIC_MAX_ID", nullptr,
     {L"4", L"0xffffffff", L"0x000002af", L"0", L"0", L"0", L"0", L"0", L"65535"}},

    // No resources: its (empty) table would begin at the end of the file.
    {1, Kind::Scene, L"Scene_30000", L"SCENE_EMPTY", nullptr,
     {L"0x00030000", L"0x000002c3", L"0x00000000", L"0", L"0", L"0", L"0", L"0x00000000", L"0", L"0", L"0", L"0",
      L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0"}},
};
