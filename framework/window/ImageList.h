// CImageList: an image list that the object owns and destroys.
#pragma once

#include "framework/win32/Win32Api.h"

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Appends an icon scaled to the list's image size; returns its index or -1.
    int Add(HICON hIcon);
    int GetImageCount() const;
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
