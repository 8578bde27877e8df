#include "browse/FileTitle.h"

#include <vector>

#include "framework/core/Path.h"

CString FileTitleOfPath(const CString& path)
{
    const std::string& text = path.GetString();
    const size_t slash = text.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? text : text.substr(slash + 1);
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    PathRemoveExtension(buffer.data());
    return CString(buffer.data());
}
