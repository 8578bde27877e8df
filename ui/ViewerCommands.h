// The main dialog's keys and context menus, each one table. A new command
// gets its id in ui/resource.h, its key and its menu entries here, and its
// handler in the dialog's message map.
#pragma once

#include "framework/afxwin.h"
#include "ui/resource.h"

inline constexpr ACCEL kViewerKeys[] = {
    {FVIRTKEY | FCONTROL, 'F', ID_EDIT_FIND},
    {FVIRTKEY, VK_F3, ID_EDIT_FIND_NEXT},
    {FVIRTKEY | FSHIFT, VK_F3, ID_EDIT_FIND_PREVIOUS},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL | FSHIFT, 'C', ID_EDIT_COPY_SUBTREE},
    {FVIRTKEY | FCONTROL, 'P', ID_VIEW_SCENE_PICTURE},
    // The menu key gives this command too, as it is released
    // (CViewerDlg::PreTranslateMessage).
    {FVIRTKEY | FSHIFT, VK_F10, ID_CONTEXT_MENU},
};

// An entry of a context menu; a separator has no command.
struct ViewerMenuEntry {
    UINT nID;
    const char* text;
};

// On a node of the tree.
inline constexpr ViewerMenuEntry kTreeMenu[] = {
    {ID_TREE_COPY, "Copy"},
    {ID_EDIT_COPY_SUBTREE, "Copy subtree"},
    {0, nullptr},
    {ID_TREE_EXPAND_ALL, "Expand all"},
    {ID_TREE_COLLAPSE_ALL, "Collapse all"},
    {0, nullptr},
    {ID_EDIT_FIND, "Find..."},
    {ID_VIEW_SCENE_PICTURE, "Scene picture"},
};

// On the property list.
inline constexpr ViewerMenuEntry kListMenu[] = {
    {ID_LIST_COPY_ROW, "Copy row"},
    {ID_LIST_COPY_VALUE, "Copy value"},
    {ID_LIST_COPY_ALL, "Copy all rows"},
};
