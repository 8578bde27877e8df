// The description of examples/demo.sty and the names of examples/demo.h.
// tools/make_demo_sty.cpp writes both files from it; a unit test checks
// that the committed files still match.
#pragma once

#include <string>

#include "style/StyWriter.h"

// Ids of demo.sty, by the names demo.h gives them.
enum DemoId : uint32_t {
    SCENE_MAIN = 0x00010000,
    GRP_HEADER = 0x00010100,
    GRP_TOOLBAR = 0x00010110,
    GRP_TOOLBAR_ICONS = 0x00010111,
    PIC_ICON_HOME = 0x00010112,
    PIC_ICON_BACK = 0x00010113,
    STR_TITLE = 0x00010120,
    RGN_SPINNER = 0x00010200,
    RGN_EMPTY = 0x00010300,
    STR_MARQUEE = 0x00010400,
    PIC_BACKGROUND = 0x00010500,
    SCENE_SETTINGS = 0x00020000,
    GRP_OPTIONS = 0x00020100,
    STR_OPTION = 0x00020110,
    PIC_MAX_ID = 0xFFFFFFFF,
    SCENE_EMPTY = 0x00030000,
};

// The type code of demo.sty's resource of a kind the browser does not know.
constexpr uint8_t kDemoOtherType = 0x7F;

StyWriter DemoSty();
std::string DemoHeader();
