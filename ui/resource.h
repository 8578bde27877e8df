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

// System-menu command; the low four bits stay clear for the system's use.
#define IDM_ABOUTBOX 0x0010

// Commands of the main dialog's keys and context menus (ui/ViewerCommands.h).
#define ID_EDIT_FIND 32771
#define ID_EDIT_FIND_NEXT 32772
#define ID_EDIT_FIND_PREVIOUS 32773
#define ID_EDIT_COPY 32774  // what the control with the focus shows
#define ID_EDIT_COPY_SUBTREE 32775
#define ID_TREE_COPY 32776
#define ID_TREE_EXPAND_ALL 32777
#define ID_TREE_COLLAPSE_ALL 32778
#define ID_LIST_COPY_ROW 32779
#define ID_LIST_COPY_VALUE 32780
#define ID_LIST_COPY_ALL 32781
#define ID_CONTEXT_MENU 32782  // of the control with the focus
#define ID_VIEW_SCENE_PICTURE 32783  // opens the scene picture beside the dialog
