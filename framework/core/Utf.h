// Conversion between the framework's UTF-8 text and the UTF-16 text of the
// wide Windows functions. Malformed input converts as the platform's own
// conversion does it: each bad sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "framework/core/WinTypes.h"

using AfxWideString = std::basic_string<WCHAR>;
using AfxWideStringView = std::basic_string_view<WCHAR>;

AfxWideString AfxUtf8ToWide(std::string_view text);
std::string AfxWideToUtf8(AfxWideStringView text);
