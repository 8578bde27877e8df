// Text for formats that must be valid UTF-8 (JSON, XML). Labels come from
// file names and headers, which may hold any bytes.
#pragma once

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view text);
// text with each byte that does not belong to a well-formed UTF-8 sequence
// replaced by U+FFFD; ASCII and well-formed text come back unchanged.
std::string ValidUtf8(std::string_view text);
