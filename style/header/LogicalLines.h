// The first steps a C compiler takes before it reads directives.
#pragma once

#include <string>

namespace header {

// Rewrites text in place so that one line of it is one logical line of the
// header: a UTF-8 byte order mark at the start is dropped, every line end
// (LF, CRLF or a lone CR) becomes LF, every backslash-newline is removed and
// every comment becomes one space.
void ToLogicalLines(std::string& text);

}  // namespace header
