// A parsed style document.
#pragma once

#include "framework/afx.h"
#include "style/Records.h"
#include "style/Scene.h"
#include "style/StyleList.h"

class StyleFile {
public:
    StyleFile() = default;
    StyleFile(const StyleFile&) = delete;
    StyleFile& operator=(const StyleFile&) = delete;
    virtual ~StyleFile();

    // Reads the style file at lpszPath into this object. Returns non-zero
    // for a valid file; 0 otherwise, leaving no scene behind.
    int ParseFile(LPCTSTR lpszPath);

    StyleHeader header;
    StyleList<Scene*> scenes;
    CFile file;
};
