// Resource ids of the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128

// Tree images, a normal and a selected one per kind of node.
#define IDI_FILE 134
#define IDI_SCENE_SEL 135
#define IDI_SCENE 136
#define IDI_STRING 144
#define IDI_PIC 150
#define IDI_FRAME 155
#define IDI_RESGROUP 161
#define IDI_RESGROUP_SEL 162
#define IDI_PICREGION 163
#define IDI_FRAME_SEL 174
#define IDI_PICREGION_SEL 177
#define IDI_PIC_SEL 178
#define IDI_STRING_SEL 181
#define IDI_FILE_SEL 182

#define IDC_TREE 1000
#define IDC_STY_PATH 1001
#define IDC_HEADER_PATH 1002
#define IDC_BROWSE_STY 1003
#define IDC_LIST 1004
#define IDC_BROWSE_HEADER 1005
#define IDC_UPDATE 1006

// Opens the scene picture beside the main dialog.
#define ID_VIEW_SCENE_PICTURE 0x8101

// System-menu command; the low four bits stay clear for the system's use.
#define IDM_ABOUTBOX 0x0010
