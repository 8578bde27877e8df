#include "style/header/MacroLexer.h"

#include <algorithm>

#include "style/header/Lexer.h"
#include "style/header/NameTable.h"

namespace header {

namespace {

MacroToken::Kind KindOf(TokenKind kind)
{
    switch (kind) {
    case TokenKind::Identifier: return MacroToken::Kind::Name;
    case TokenKind::Number: return MacroToken::Kind::Number;
    case TokenKind::Character: return MacroToken::Kind::Character;
    case TokenKind::String: return MacroToken::Kind::String;
    case TokenKind::Punctuator: return MacroToken::Kind::Punctuator;
    case TokenKind::Other: break;
    }
    return MacroToken::Kind::Other;
}

// Reads "(a, b, ...)" from the start of rest into parameters; false when
// C rejects the list.
bool ReadParameters(std::string_view& rest, std::vector<std::string_view>& parameters, bool& variadic)
{
    Token tok;
    if (!NextToken(rest, tok) || !tok.Is("("))
        return false;
    if (!NextToken(rest, tok))
        return false;
    if (tok.Is(")"))
        return true;
    for (;;) {
        if (tok.Is("...")) {
            variadic = true;
            parameters.push_back("__VA_ARGS__");
            return NextToken(rest, tok) && tok.Is(")");
        }
        if (tok.kind != TokenKind::Identifier ||
            std::find(parameters.begin(), parameters.end(), tok.text) != parameters.end())
            return false;
        parameters.push_back(tok.text);
        if (!NextToken(rest, tok))
            return false;
        if (tok.Is("...")) {  // a named variable argument, "args..."
            variadic = true;
            return NextToken(rest, tok) && tok.Is(")");
        }
        if (tok.Is(")"))
            return true;
        if (!tok.Is(",") || !NextToken(rest, tok))
            return false;
    }
}

// Whether the body keeps C's rules for # and ## and __VA_OPT__: ## never
// at an end, # only before a parameter, __VA_OPT__ with its own "( ... )"
// and none inside.
bool IsWellFormed(const MacroToken* body, size_t count, bool functionLike)
{
    if (count > 0 && (body[0].Is("##") || body[count - 1].Is("##")))
        return false;
    size_t vaOptDepth = 0;  // inside __VA_OPT__'s parentheses: their depth
    for (size_t i = 0; i < count; ++i) {
        const MacroToken& t = body[i];
        if (functionLike && t.Is("#") &&
            (i + 1 == count ||
             (body[i + 1].kind != MacroToken::Kind::Parameter && body[i + 1].kind != MacroToken::Kind::VaOpt)))
            return false;
        if (t.kind == MacroToken::Kind::VaOpt) {
            if (vaOptDepth > 0 || i + 1 == count || !body[i + 1].Is("("))
                return false;
            vaOptDepth = 1;
            ++i;
        } else if (vaOptDepth > 0 && t.Is("(")) {
            ++vaOptDepth;
        } else if (vaOptDepth > 0 && t.Is(")")) {
            --vaOptDepth;
        }
    }
    return vaOptDepth == 0;
}

}  // namespace

MacroShape LexMacroDefinition(std::string_view rest, bool functionLike, NameTable& names,
                              std::vector<MacroToken>& body)
{
    MacroShape shape;
    std::vector<std::string_view> parameters;
    if (functionLike && !ReadParameters(rest, parameters, shape.variadic)) {
        shape.malformed = true;
        return shape;
    }
    shape.parameterCount = static_cast<uint32_t>(parameters.size());
    const size_t first = body.size();
    Token tok;
    while (NextToken(rest, tok)) {
        MacroToken& t = body.emplace_back(KindOf(tok.kind), tok.text);
        if (t.kind == MacroToken::Kind::Punctuator && tok.text == "##")
            shape.pastes = true;
        if (t.kind != MacroToken::Kind::Name)
            continue;
        const auto parameter = std::find(parameters.begin(), parameters.end(), tok.text);
        if (parameter != parameters.end()) {
            t.kind = MacroToken::Kind::Parameter;
            t.index = static_cast<uint32_t>(parameter - parameters.begin());
        } else if (shape.variadic && tok.text == "__VA_OPT__") {
            t.kind = MacroToken::Kind::VaOpt;
        } else {
            t.index = names.Intern(tok.text);
        }
    }
    shape.malformed = !IsWellFormed(body.data() + first, body.size() - first, functionLike);
    return shape;
}

void LexText(std::string_view text, const NameTable& names, std::vector<MacroToken>& out)
{
    Token tok;
    while (NextToken(text, tok)) {
        MacroToken& t = out.emplace_back(KindOf(tok.kind), tok.text);
        if (t.kind == MacroToken::Kind::Name)
            t.index = names.Find(tok.text).value_or(kNoSymbol);
    }
}

}  // namespace header
