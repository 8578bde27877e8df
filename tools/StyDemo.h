// The description of examples/demo.sty and the names of examples/demo.h: the
// screens of a small 800 x 480 device. tools/make_demo_sty.cpp writes both
// files from it; a unit test checks that the committed files still match.
#pragma once

#include <string>

#include "style/StyWriter.h"

// Ids of demo.sty, by the names demo.h gives them.
enum DemoId : uint32_t {
    SCENE_MAIN = 0x00010000,
    GRP_STATUS_BAR = 0x00010100,
    STR_CLOCK = 0x00010101,
    GRP_STATUS_ICONS = 0x00010102,
    PIC_SIGNAL = 0x00010103,
    PIC_BATTERY = 0x00010104,
    RGN_SPINNER = 0x00010200,
    STR_MARQUEE = 0x00010300,
    STR_TOAST = 0x00010301,
    GRP_TOOLBAR = 0x00010400,
    PIC_ICON_HOME = 0x00010401,
    PIC_ICON_MEDIA = 0x00010402,
    PIC_ICON_SETTINGS = 0x00010403,
    PIC_ICON_POWER = 0x00010404,

    SCENE_SETTINGS = 0x00020000,
    STR_SETTINGS_TITLE = 0x00020100,
    GRP_OPTIONS = 0x00020200,
    STR_OPT_WIFI = 0x00020210,
    PIC_TOGGLE_WIFI = 0x00020211,
    STR_OPT_BLUETOOTH = 0x00020220,
    PIC_TOGGLE_BLUETOOTH = 0x00020221,
    STR_OPT_SOUND = 0x00020230,
    PIC_TOGGLE_SOUND = 0x00020231,
    STR_OPT_BRIGHTNESS = 0x00020240,
    PIC_TOGGLE_BRIGHTNESS = 0x00020241,
    STR_SETTINGS_HINT = 0x00020300,

    SCENE_EMPTY = 0x00030000,
};

StyWriter DemoSty();
std::string DemoHeader();
