// Conversion between the framework's UTF-8 text and the UTF-16 text of the
// wide Windows functions, and UTF-8 text made well-formed for formats that
// require it (JSON, XML). One decoder serves all: each maximal part of an
// ill-formed sequence (the longest start of a well-formed one, or a single
// byte) becomes one U+FFFD, as the Unicode standard recommends and the
// platform's own conversion does: "A\xE2\x82" "B" gives A, U+FFFD, B, and
// C0 80 gives two U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "framework/core/WinTypes.h"

using AfxWideString = std::basic_string<WCHAR>;
using AfxWideStringView = std::basic_string_view<WCHAR>;

AfxWideString AfxUtf8ToWide(std::string_view text);
std::string AfxWideToUtf8(AfxWideStringView text);

bool AfxIsUtf8(std::string_view text);
// text with each ill-formed part replaced by U+FFFD; well-formed text comes
// back unchanged.
std::string AfxValidUtf8(std::string_view text);
