// The text layer of the C-header reader: the first phases of a C compiler
// (line splicing, comments) and a lexer for preprocessing tokens.
#pragma once

#include <string>
#include <string_view>

namespace macro {

// Rewrites text in place as a compiler sees it before directives are read:
// every backslash-newline removed, every comment replaced by one space, "\r"
// before "\n" dropped, a UTF-8 byte order mark at the start dropped. One
// line of the result is one logical line.
void SpliceAndStripComments(std::string& text);

enum class TokenKind : unsigned char {
    Identifier,
    Number,     // a preprocessing number: 12, 0x1Fu, 1.5e3, 08 ...
    Character,  // 'a', L'a' (prefix included)
    String,     // "text", L"text"
    Punctuator,
    Other,      // any other byte: stray '\', '@', bytes of binary files
};

struct Token {
    TokenKind kind = TokenKind::Other;
    std::string_view text;

    bool Is(std::string_view punct) const { return kind == TokenKind::Punctuator && text == punct; }
};

// Reads the token at pos, skipping white space before it (line ends
// included), and moves pos past it. False when only white space is left.
bool NextToken(const char*& pos, const char* end, Token& out);

}  // namespace macro
