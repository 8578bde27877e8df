/* Ids of demo.sty (written by tools/make_demo_sty.cpp). */
#ifndef DEMO_H
#define DEMO_H

#define SCENE_MAIN          0x00010000
#define GRP_HEADER          0x00010100
#define GRP_TOOLBAR         0x00010110
#define GRP_TOOLBAR_ICONS   0x00010111
#define PIC_ICON_HOME       0x00010112
#define PIC_ICON_BACK       (PIC_ICON_HOME + 1)
#define STR_TITLE           0x00010120
#define RGN_SPINNER         0x00010200
#define RGN_EMPTY           0x00010300
#define STR_MARQUEE         0x00010400
#define PIC_BACKGROUND      0x00010500

#define SCENE_SETTINGS      0x00020000
#define GRP_OPTIONS         0x00020100
#define STR_OPTION          (GRP_OPTIONS + 0x10)
#define PIC_MAX_ID          0xFFFFFFFF

#define SCENE_EMPTY         196608

#endif
