/* Ids of demo.sty (written by tools/make_demo_sty.cpp). */
#ifndef DEMO_H
#define DEMO_H

/* Home screen */
#define SCENE_MAIN              0x00010000
#define GRP_STATUS_BAR          0x00010100
#define STR_CLOCK               0x00010101
#define GRP_STATUS_ICONS        0x00010102
#define PIC_SIGNAL              0x00010103
#define PIC_BATTERY             (PIC_SIGNAL + 1)
#define RGN_SPINNER             0x00010200
#define STR_MARQUEE             0x00010300
#define STR_TOAST               (STR_MARQUEE + 1)
#define GRP_TOOLBAR             0x00010400
#define PIC_ICON_HOME           (GRP_TOOLBAR + 1)
#define PIC_ICON_MEDIA          (GRP_TOOLBAR + 2)
#define PIC_ICON_SETTINGS       (GRP_TOOLBAR + 3)
#define PIC_ICON_POWER          (GRP_TOOLBAR + 4)

/* Settings */
#define SCENE_SETTINGS          0x00020000
#define STR_SETTINGS_TITLE      0x00020100
#define GRP_OPTIONS             0x00020200
#define STR_OPT_WIFI            (GRP_OPTIONS + 0x10)
#define PIC_TOGGLE_WIFI         (GRP_OPTIONS + 0x11)
#define STR_OPT_BLUETOOTH       (GRP_OPTIONS + 0x20)
#define PIC_TOGGLE_BLUETOOTH    (GRP_OPTIONS + 0x21)
#define STR_OPT_SOUND           (GRP_OPTIONS + 0x30)
#define PIC_TOGGLE_SOUND        (GRP_OPTIONS + 0x31)
#define STR_OPT_BRIGHTNESS      (GRP_OPTIONS + 0x40)
#define PIC_TOGGLE_BRIGHTNESS   (GRP_OPTIONS + 0x41)
#define STR_SETTINGS_HINT       0x00020300

/* Blank screen */
#define SCENE_EMPTY             196608

#endif
