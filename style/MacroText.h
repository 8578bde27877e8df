// The text layer of the C-header reader: turns the file's bytes into logical
// lines the way a C compiler's first phases do, and splits a line into
// preprocessing tokens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace macro {

// The file's text with every backslash-newline removed and every comment
// replaced by one space, as a compiler sees it before directives are read.
// A UTF-8 byte order mark at the start is dropped. Line ends stay "\n" (a
// "\r" before them is dropped too), so that one line of the result is one
// logical line.
std::string SpliceAndStripComments(std::string_view text);

enum class TokenKind : unsigned char {
    Identifier,
    Number,     // a preprocessing number: 12, 0x1Fu, 1.5e3, 08 ...
    Character,  // 'a', L'a' (prefix included)
    String,     // "text", L"text"
    Punctuator,
    Other,      // any other byte: stray '\', '@', '$', bytes of binary files
};

struct Token {
    TokenKind kind;
    std::string_view text;

    bool Is(std::string_view punct) const { return kind == TokenKind::Punctuator && text == punct; }
};

// Appends the tokens of one logical line (no "\n" inside) to out.
void Tokenize(std::string_view line, std::vector<Token>& out);

}  // namespace macro
