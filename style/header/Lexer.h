// Preprocessing tokens of a C header, read one at a time from a line.
#pragma once

#include <string_view>

namespace header {

enum class TokenKind : unsigned char {
    Identifier,
    Number,      // a preprocessing number: 12, 0x1Fu, 1.5e3, 08 ...
    Character,   // 'a', L'a' (prefix included)
    String,      // "text", L"text"
    Punctuator,
    Other,       // any other byte: a stray '\', '@', an unterminated quote
};

struct Token {
    TokenKind kind = TokenKind::Other;
    std::string_view text;

    bool Is(std::string_view punctuator) const { return kind == TokenKind::Punctuator && text == punctuator; }
    bool IsOpening() const { return Is("(") || Is("[") || Is("{"); }
    bool IsClosing() const { return Is(")") || Is("]") || Is("}"); }
};

// Reads the token at the start of rest, after any white space, and drops
// both from rest. False when only white space is left.
bool NextToken(std::string_view& rest, Token& token);

// The length of the character or string literal at the start of text (its
// first byte is the quote), up to the line end if it is not closed there.
size_t QuotedLength(std::string_view text);

}  // namespace header
