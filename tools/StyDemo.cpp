#include "tools/StyDemo.h"

#include <initializer_list>

namespace {

// Colours are 0xAARRGGBB; an alpha of 0 lets what lies below show through.
constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// Virtual-key codes, as the keys of a scene name the keys it answers.
constexpr uint8_t kKeyEnter = 0x0D, kKeyEscape = 0x1B, kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27,
                  kKeyDown = 0x28;

size_t Screen(StyWriter& w, uint32_t id, uint32_t background, std::initializer_list<uint8_t> keys)
{
    const size_t scene = w.Scene(id);
    SceneInfo& info = w.Node(scene).scene;
    info.width = 800;
    info.height = 480;
    info.background_color = background;
    info.visible = 1;
    info.opaque = 1;
    info.transparency = 255;
    size_t i = 0;
    for (uint8_t key : keys)
        info.keys[i++] = key;
    return scene;
}

template <class Record>
void Place(Record& record, int16_t x, int16_t y, uint16_t width, uint16_t height)
{
    record.x = x;
    record.y = y;
    record.width = width;
    record.height = height;
    record.visible = 1;
}

// A group at (x, y) inside a parent at (parentX, parentY), filled when
// background is not clear.
size_t Panel(StyWriter& w, size_t parent, uint32_t id, int16_t x, int16_t y, uint16_t width, uint16_t height,
             uint32_t background, int16_t parentX = 0, int16_t parentY = 0)
{
    const size_t group = w.Group(parent, id);
    ResGroupInfo& g = w.Node(group).group;
    Place(g, x, y, width, height);
    g.abs_x = static_cast<int16_t>(parentX + x);
    g.abs_y = static_cast<int16_t>(parentY + y);
    g.background_color = background;
    g.opaque = background != kClear;
    g.transparency = g.opaque ? 255 : 0;
    return group;
}

size_t Picture(StyWriter& w, size_t parent, uint32_t id, uint16_t picId, int16_t x, int16_t y, uint16_t width,
               uint16_t height)
{
    const size_t pic = w.Pic(parent, id, picId);
    Place(w.Node(pic).pic, x, y, width, height);
    return pic;
}

StringInfo& Text(StyWriter& w, size_t parent, uint32_t id, uint16_t stringId, int16_t x, int16_t y, uint16_t width,
                 uint16_t height, uint32_t foreground, uint8_t fontHeight)
{
    StringInfo& text = w.Node(w.String(parent, id, stringId)).string;
    Place(text, x, y, width, height);
    text.foreground_color = foreground;
    text.background_color = kClear;
    text.font_height = fontHeight;
    return text;
}

}  // namespace

StyWriter DemoSty()
{
    StyWriter w;

    // The home screen: a status bar, a spinner while something loads, a
    // news line scrolling from right to left, a toast shown on demand and a
    // toolbar of four icons.
    const size_t main = Screen(w, SCENE_MAIN, 0xFF1E2A38, {kKeyLeft, kKeyUp, kKeyRight, kKeyDown, kKeyEnter});
    const size_t status = Panel(w, main, GRP_STATUS_BAR, 0, 0, 800, 32, 0xFF121A24);
    Text(w, status, STR_CLOCK, 1, 16, 4, 96, 24, kWhite, 20);
    const size_t icons = Panel(w, status, GRP_STATUS_ICONS, 696, 0, 104, 32, kClear);
    Picture(w, icons, PIC_SIGNAL, 10, 8, 4, 32, 24);
    Picture(w, icons, PIC_BATTERY, 11, 52, 4, 40, 24);

    const size_t spinner = w.Region(main, RGN_SPINNER, {30, 31, 32, 33, 34, 35, 36, 37});
    Place(w.Node(spinner).region, 368, 144, 64, 64);

    StringInfo& marquee = Text(w, main, STR_MARQUEE, 2, 0, 360, 800, 32, 0xFFFFC857, 18);
    marquee.text_scroll = 1;
    marquee.scroll_direct = -1;
    marquee.scroll_space = 80;
    marquee.scroll_pixel = 2;

    StringInfo& toast = Text(w, main, STR_TOAST, 3, 200, 240, 400, 48, 0xFF1E2A38, 18);
    toast.background_color = 0xFFF2F4F7;
    toast.text_align = 1;
    toast.visible = 0;

    const size_t toolbar = Panel(w, main, GRP_TOOLBAR, 0, 400, 800, 80, 0xFF27394D);
    Picture(w, toolbar, PIC_ICON_HOME, 20, 68, 8, 64, 64);
    Picture(w, toolbar, PIC_ICON_MEDIA, 21, 268, 8, 64, 64);
    Picture(w, toolbar, PIC_ICON_SETTINGS, 22, 468, 8, 64, 64);
    Picture(w, toolbar, PIC_ICON_POWER, 23, 668, 8, 64, 64);

    // The settings screen: four options, each a line of text with a toggle
    // beside it (picture 40 on, 41 off), and a hint at the bottom.
    const size_t settings = Screen(w, SCENE_SETTINGS, 0xFF1B2430, {kKeyUp, kKeyDown, kKeyEnter, kKeyEscape});
    Text(w, settings, STR_SETTINGS_TITLE, 10, 24, 16, 400, 40, kWhite, 28);
    const size_t options = Panel(w, settings, GRP_OPTIONS, 24, 80, 752, 304, 0xFF243040);
    const struct {
        uint32_t text, toggle;
        uint16_t stringId, picId;
    } kOptions[] = {
        {STR_OPT_WIFI, PIC_TOGGLE_WIFI, 11, 40},
        {STR_OPT_BLUETOOTH, PIC_TOGGLE_BLUETOOTH, 12, 41},
        {STR_OPT_SOUND, PIC_TOGGLE_SOUND, 13, 40},
        {STR_OPT_BRIGHTNESS, PIC_TOGGLE_BRIGHTNESS, 14, 41},
    };
    int16_t y = 16;
    for (const auto& option : kOptions) {
        Text(w, options, option.text, option.stringId, 16, y, 560, 56, 0xFFE6EBF0, 22);
        Picture(w, options, option.toggle, option.picId, 656, static_cast<int16_t>(y + 12), 64, 32);
        y = static_cast<int16_t>(y + 72);
    }
    Text(w, settings, STR_SETTINGS_HINT, 15, 24, 416, 752, 32, 0xFF8C9AAB, 16).text_align = 1;

    // A blank screen, shown while the device sleeps.
    Screen(w, SCENE_EMPTY, 0xFF000000, {});
    return w;
}

std::string DemoHeader()
{
    return "/* Ids of demo.sty (written by tools/make_demo_sty.cpp). */\n"
           "#ifndef DEMO_H\n"
           "#define DEMO_H\n"
           "\n"
           "/* Home screen */\n"
           "#define SCENE_MAIN              0x00010000\n"
           "#define GRP_STATUS_BAR          0x00010100\n"
           "#define STR_CLOCK               0x00010101\n"
           "#define GRP_STATUS_ICONS        0x00010102\n"
           "#define PIC_SIGNAL              0x00010103\n"
           "#define PIC_BATTERY             (PIC_SIGNAL + 1)\n"
           "#define RGN_SPINNER             0x00010200\n"
           "#define STR_MARQUEE             0x00010300\n"
           "#define STR_TOAST               (STR_MARQUEE + 1)\n"
           "#define GRP_TOOLBAR             0x00010400\n"
           "#define PIC_ICON_HOME           (GRP_TOOLBAR + 1)\n"
           "#define PIC_ICON_MEDIA          (GRP_TOOLBAR + 2)\n"
           "#define PIC_ICON_SETTINGS       (GRP_TOOLBAR + 3)\n"
           "#define PIC_ICON_POWER          (GRP_TOOLBAR + 4)\n"
           "\n"
           "/* Settings */\n"
           "#define SCENE_SETTINGS          0x00020000\n"
           "#define STR_SETTINGS_TITLE      0x00020100\n"
           "#define GRP_OPTIONS             0x00020200\n"
           "#define STR_OPT_WIFI            (GRP_OPTIONS + 0x10)\n"
           "#define PIC_TOGGLE_WIFI         (GRP_OPTIONS + 0x11)\n"
           "#define STR_OPT_BLUETOOTH       (GRP_OPTIONS + 0x20)\n"
           "#define PIC_TOGGLE_BLUETOOTH    (GRP_OPTIONS + 0x21)\n"
           "#define STR_OPT_SOUND           (GRP_OPTIONS + 0x30)\n"
           "#define PIC_TOGGLE_SOUND        (GRP_OPTIONS + 0x31)\n"
           "#define STR_OPT_BRIGHTNESS      (GRP_OPTIONS + 0x40)\n"
           "#define PIC_TOGGLE_BRIGHTNESS   (GRP_OPTIONS + 0x41)\n"
           "#define STR_SETTINGS_HINT       0x00020300\n"
           "\n"
           "/* Blank screen */\n"
           "#define SCENE_EMPTY             196608\n"
           "\n"
           "#endif\n";
}
