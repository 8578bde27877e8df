#include "framework/core/Utf.h"

#ifdef _WIN32
#include <windows.h>

#include <limits>

std::wstring AfxUtf8ToWide(std::string_view text)
{
    if (text.empty() || text.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return {};
    const int in = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), in, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), in, out.data(), n);
    return out;
}

std::string AfxWideToUtf8(std::wstring_view text)
{
    if (text.empty() || text.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return {};
    const int in = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), in, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), in, out.data(), n, nullptr, nullptr);
    return out;
}
#endif
