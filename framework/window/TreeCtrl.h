// CTreeCtrl: the platform's tree view. Item data is pointer-sized.
#pragma once

#include "framework/window/ImageList.h"
#include "framework/window/Wnd.h"

class CTreeCtrl : public CWnd {
public:
    // Inserts an item with text and images (no data, no state).
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    // Returns the image list that was attached before.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
    HIMAGELIST GetImageList(int nImageListType) const;

    UINT GetCount() const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM hItem);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;

    // nCode: TVE_EXPAND or TVE_COLLAPSE.
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // The item at point, in client coordinates; null if none.
    HTREEITEM HitTest(POINT point) const;
    // The item's place in client coordinates, only its label's with
    // bTextOnly; FALSE when it is out of view.
    BOOL GetItemRect(HTREEITEM hItem, RECT* lpRect, BOOL bTextOnly) const;
};
