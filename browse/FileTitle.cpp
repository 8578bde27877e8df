#include "browse/FileTitle.h"

#include "framework/core/Path.h"

CString FileTitleOfPath(const CString& path)
{
    CString title = PathFindFileName(path);
    PathRemoveExtension(title.GetBuffer(title.GetLength()));
    title.ReleaseBuffer(-1);
    return title;
}
