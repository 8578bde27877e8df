#include "framework/headless/Objects.h"

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int)
{
    // The handle owns the list until ImageList_Destroy, as on the platform.
    return new _IMAGELIST{cx, cy, flags, {}};
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    if (!himl || !hicon)
        return -1;
    auto& images = himl->images;
    if (i == -1) {
        images.push_back(hicon);
        return static_cast<int>(images.size()) - 1;
    }
    if (i < 0 || static_cast<size_t>(i) >= images.size())
        return -1;
    images[static_cast<size_t>(i)] = hicon;
    return i;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    return himl ? static_cast<int>(himl->images.size()) : 0;
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    if (!himl)
        return FALSE;
    delete himl;
    return TRUE;
}
