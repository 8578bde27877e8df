#include "tools/StyDemo.h"

#include <cstring>

StyWriter DemoSty()
{
    StyWriter w;

    // Scene 1: every resource type, groups three deep, values at the edges
    // of their ranges.
    const size_t main = w.Scene(SCENE_MAIN);
    w.Node(main).scene.width = 800;
    w.Node(main).scene.height = 480;
    w.Node(main).scene.background_color = 0xFF202020;
    w.Node(main).scene.visible = 1;
    w.Node(main).scene.opaque = 1;
    w.Node(main).scene.transparency = 255;
    for (uint8_t i = 0; i < 16; ++i)
        w.Node(main).scene.keys[i] = static_cast<uint8_t>(0x10 + i);

    const size_t header = w.Group(main, GRP_HEADER);
    w.Node(header).group.width = 800;
    w.Node(header).group.height = 64;
    w.Node(header).group.visible = 1;
    const size_t toolbar = w.Group(header, GRP_TOOLBAR);
    w.Node(toolbar).group.abs_x = 600;
    w.Node(toolbar).group.x = 600;
    const size_t icons = w.Group(toolbar, GRP_TOOLBAR_ICONS);
    w.Node(icons).group.abs_x = 600;
    w.Node(icons).group.abs_y = 8;
    w.Node(icons).group.y = 8;
    const size_t home = w.Pic(icons, PIC_ICON_HOME, 10);
    w.Node(home).pic.width = 48;
    w.Node(home).pic.height = 48;
    w.Node(home).pic.visible = 1;
    const size_t back = w.Pic(icons, PIC_ICON_BACK, 0xFFFF);
    w.Node(back).pic.x = -1;
    w.Node(back).pic.y = -32768;
    w.Node(back).pic.width = 0xFFFF;
    w.Node(back).pic.height = 0xFFFF;
    w.Node(back).pic.visible = 0xFF;
    const size_t title = w.String(toolbar, STR_TITLE, 1);
    w.Node(title).string.foreground_color = 0xFFFFFFFF;
    w.Node(title).string.font_height = 24;

    const size_t spinner = w.Region(header, RGN_SPINNER, {1, 2, 3, 4, 0xFFFF});
    w.Node(spinner).region.x = 16;
    w.Node(spinner).region.y = 16;
    w.Node(spinner).region.width = 32;
    w.Node(spinner).region.height = 32;

    // An empty frame list whose record still claims three frames.
    const size_t empty = w.Region(main, RGN_EMPTY, {});
    w.Node(empty).fill = false;
    w.Node(empty).region.frames_num = 3;
    w.Node(empty).region.pic_offset = 0xFFFFFFFF;

    const size_t marquee = w.String(main, STR_MARQUEE, 0xFFFF);
    StringInfo& text = w.Node(marquee).string;
    text.x = 32767;
    text.y = -32768;
    text.foreground_color = 0x00FF00FF;
    text.background_color = 0xFFFFFFFF;
    text.text_align = 0xFF;
    text.mode = 0x80;
    text.font_height = 0xFF;
    text.text_scroll = 0x80;
    text.scroll_direct = -128;
    text.scroll_space = 0xFFFF;
    text.scroll_pixel = 0x8000;

    w.Other(main, kDemoOtherType, {'f', 'u', 't', 'u', 'r', 'e'});
    w.Pic(main, PIC_BACKGROUND, 0);

    // Scene 2: scene and group fields at their limits, res_num of -1.
    const size_t settings = w.Scene(SCENE_SETTINGS);
    SceneInfo& info = w.Node(settings).scene;
    w.Node(settings).fill = false;
    info.offset = 0xFFFFFFFF;
    info.size = 0xFFFFFFFF;
    info.x = -32768;
    info.y = 32767;
    info.width = 0;
    info.height = 0xFFFF;
    info.background_color = 0xFFFFFFFF;
    info.visible = 0xFF;
    info.opaque = 0;
    info.transparency = 0xFFFF;
    info.res_num = -1;
    info.child_offset = -1;
    info.rotation = 0xFF;
    std::memset(info.keys, 0xFF, sizeof info.keys);
    info.keys[0] = 0;
    const size_t options = w.Group(settings, GRP_OPTIONS);
    w.Node(options).fill = false;
    w.Node(options).group.abs_x = -32768;
    w.Node(options).group.abs_y = 32767;
    w.Node(options).group.res_num = -1;
    w.Node(options).group.child_offset = 0xFFFFFFFF;
    w.Node(options).group.transparency = 0xFFFF;
    w.String(options, STR_OPTION, 2);
    w.Pic(options, PIC_MAX_ID, 0xFFFF);

    // Scene 3: no resources at all.
    w.Scene(SCENE_EMPTY);
    return w;
}

std::string DemoHeader()
{
    return "/* Ids of demo.sty (written by tools/make_demo_sty.cpp). */\n"
           "#ifndef DEMO_H\n"
           "#define DEMO_H\n"
           "\n"
           "#define SCENE_MAIN          0x00010000\n"
           "#define GRP_HEADER          0x00010100\n"
           "#define GRP_TOOLBAR         0x00010110\n"
           "#define GRP_TOOLBAR_ICONS   0x00010111\n"
           "#define PIC_ICON_HOME       0x00010112\n"
           "#define PIC_ICON_BACK       (PIC_ICON_HOME + 1)\n"
           "#define STR_TITLE           0x00010120\n"
           "#define RGN_SPINNER         0x00010200\n"
           "#define RGN_EMPTY           0x00010300\n"
           "#define STR_MARQUEE         0x00010400\n"
           "#define PIC_BACKGROUND      0x00010500\n"
           "\n"
           "#define SCENE_SETTINGS      0x00020000\n"
           "#define GRP_OPTIONS         0x00020100\n"
           "#define STR_OPTION          (GRP_OPTIONS + 0x10)\n"
           "#define PIC_MAX_ID          0xFFFFFFFF\n"
           "\n"
           "#define SCENE_EMPTY         196608\n"
           "\n"
           "#endif\n";
}
