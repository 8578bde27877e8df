// The values of integer and character literals.
#pragma once

#include <optional>
#include <string_view>

#include "style/header/IntegerValue.h"
#include "style/header/Lexer.h"

namespace header {

// An integer literal (12, 0x1Fu, 017, 0b101, 42ull ...) with the type C
// gives it; nothing for floating values, bad digits, unknown suffixes or
// values beyond 64 bits.
std::optional<Value> ParseIntegerLiteral(std::string_view text);

// A plain character constant ('a', '\n', '\x41', '\101'), an int; nothing
// for prefixed, empty or multi-character constants.
std::optional<Value> ParseCharacterConstant(std::string_view text);

// The value of a number or character token, as the two above give it.
std::optional<Value> LiteralValue(const Token& token);

}  // namespace header
