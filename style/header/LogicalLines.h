// The first steps a C compiler takes before it reads directives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace header {

// Where the logical text lost line ends of the file as written, so that a
// place in it can be named by its line there.
class LineMap {
public:
    explicit LineMap(std::vector<uint32_t> joins) : m_joins(std::move(joins)) {}

    // The line, counted from 1, of the file as written on which
    // text[offset] stands. Asked in the order of the text, each byte is
    // counted once.
    uint32_t LineOf(std::string_view text, size_t offset);

private:
    std::vector<uint32_t> m_joins;  // offsets before which a line end went, in order
    size_t m_offset = 0;            // what LineOf counted so far
    size_t m_join = 0;
    uint32_t m_line = 1;
};

// Rewrites text in place so that one line of it is one logical line of the
// header: a UTF-8 byte order mark at the start is dropped, every line end
// (LF, CRLF or a lone CR) becomes LF, every backslash-newline is removed and
// every comment becomes one space. The map tells the lines as written.
LineMap ToLogicalLines(std::string& text);

}  // namespace header
