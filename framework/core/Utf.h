// Conversion between the framework's UTF-8 text and the UTF-16 text of the
// wide Windows functions.
#pragma once

#ifdef _WIN32
#include <string>
#include <string_view>

std::wstring AfxUtf8ToWide(std::string_view text);
std::string AfxWideToUtf8(std::wstring_view text);
#endif
