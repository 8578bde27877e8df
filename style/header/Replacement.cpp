#include "style/header/Replacement.h"

#include <algorithm>

#include "style/header/Lexer.h"

namespace header {

namespace {

// What # makes of an argument: a string, which is no integer whatever it
// holds, so its spelling does not matter.
const MacroToken kStringized(MacroToken::Kind::String, "\"\"");

const MacroToken kPlacemarker(MacroToken::Kind::Placemarker, {});

}  // namespace

bool ReplacementBuilder::NeedsExpansion(const Symbol& macro, const MacroToken* body, uint32_t parameter)
{
    const bool isVariable = macro.variadic && parameter + 1 == macro.parameterCount;
    for (uint32_t i = 0; i < macro.bodyCount; ++i) {
        if (isVariable && body[i].kind == MacroToken::Kind::VaOpt)
            return true;
        if (body[i].kind != MacroToken::Kind::Parameter || body[i].index != parameter)
            continue;
        const bool afterOperator = i > 0 && (body[i - 1].Is("#") || body[i - 1].Is("##"));
        const bool beforePaste = i + 1 < macro.bodyCount && body[i + 1].Is("##");
        if (!afterOperator && !beforePaste)
            return true;
    }
    return false;
}

bool ReplacementBuilder::Build(const Symbol& macro, const MacroToken* body, const Argument* arguments,
                               std::vector<MacroToken>& out, size_t limit, Failure& why)
{
    m_macro = &macro;
    m_body = body;
    m_arguments = arguments;
    m_out = &out;
    m_first = out.size();
    m_limit = limit;
    m_why = {};
    const bool built = BuildRange(0, macro.bodyCount, false);
    out.erase(std::remove_if(out.begin() + static_cast<std::ptrdiff_t>(m_first), out.end(),
                             [](const MacroToken& t) { return t.kind == MacroToken::Kind::Placemarker; }),
              out.end());
    why = m_why;
    return built;
}

// The tokens body[begin, end) make; with pasteFirst the first of them is
// pasted onto the token before.
bool ReplacementBuilder::BuildRange(size_t begin, size_t end, bool pasteFirst)
{
    bool paste = pasteFirst;
    for (size_t i = begin; i < end; ++i) {
        const MacroToken& t = m_body[i];
        if (t.Is("##")) {
            paste = true;
            continue;
        }
        bool built = true;
        if (m_macro->functionLike && t.Is("#")) {
            i = m_body[i + 1].kind == MacroToken::Kind::VaOpt ? CloseOf(i + 2) : i + 1;
            built = Append(&kStringized, 1, paste);
        } else if (t.kind == MacroToken::Kind::Parameter) {
            const Argument& a = m_arguments[t.index];
            const bool isVariable = m_macro->variadic && t.index + 1 == m_macro->parameterCount;
            const bool beforePaste = i + 1 < end && m_body[i + 1].Is("##");
            std::vector<MacroToken>& out = *m_out;
            if (paste && isVariable && out.size() > m_first && out.back().Is(",")) {
                // ", ## __VA_ARGS__" loses its comma when there are no
                // variable arguments, and pastes nothing when there are.
                if (a.rawCount == 0)
                    out.pop_back();
                built = Append(a.raw, a.rawCount, false);
            } else if (paste || beforePaste) {
                built = Append(a.raw, a.rawCount, paste);
            } else {
                built = Append(a.expanded, a.expandedCount, false);
            }
        } else if (t.kind == MacroToken::Kind::VaOpt) {
            const size_t close = CloseOf(i + 1);
            const Argument& variable = m_arguments[m_macro->parameterCount - 1];
            const size_t before = m_out->size();
            if (variable.expandedCount > 0)
                built = BuildRange(i + 2, close, paste);
            if (built && m_out->size() == before && !paste)
                m_out->push_back(kPlacemarker);
            i = close;
        } else {
            built = Append(&t, 1, paste);
        }
        if (!built)
            return false;
        paste = false;
    }
    return true;
}

// An empty argument is a placemarker, unless it is pasted onto the token
// before, which then stays as it is.
bool ReplacementBuilder::Append(const MacroToken* tokens, size_t count, bool paste)
{
    std::vector<MacroToken>& out = *m_out;
    if (count == 0) {
        if (!paste)
            out.push_back(kPlacemarker);
        return true;
    }
    size_t from = 0;
    if (paste) {
        if (!PasteOntoLast(tokens[0]))
            return false;
        from = 1;
    }
    if (count - from > m_limit - std::min(m_limit, out.size() - m_first)) {
        m_why = {Reason::ExpansionTooLarge, {}};
        return false;
    }
    out.insert(out.end(), tokens + from, tokens + count);
    return true;
}

bool ReplacementBuilder::PasteOntoLast(const MacroToken& right)
{
    std::vector<MacroToken>& out = *m_out;
    if (right.kind == MacroToken::Kind::Placemarker)
        return true;
    if (out.size() == m_first) {  // "##" first in __VA_OPT__
        m_why = {Reason::BadPaste, {}};
        return false;
    }
    MacroToken& left = out.back();
    if (left.kind == MacroToken::Kind::Placemarker) {
        left = right;
        return true;
    }
    // An operand worked out before has a spelling only when it is one
    // literal; any other pastes into no single token.
    std::string spelling;
    if (!left.Text().empty() && !right.Text().empty())
        spelling = std::string(left.Text()) + std::string(right.Text());
    std::string_view rest = spelling;
    Token tok;
    if (spelling.empty() || !NextToken(rest, tok) || !rest.empty() || tok.kind == TokenKind::Other ||
        tok.text.size() != spelling.size()) {
        m_why = {Reason::BadPaste, {}};
        return false;
    }
    const std::string_view text = m_spellings.emplace_back(std::move(spelling));
    switch (tok.kind) {
    case TokenKind::Identifier:
        left = MacroToken(MacroToken::Kind::Name, text, m_names.Find(text).value_or(kNoSymbol));
        break;
    case TokenKind::Number: left = MacroToken(MacroToken::Kind::Number, text); break;
    case TokenKind::Character: left = MacroToken(MacroToken::Kind::Character, text); break;
    case TokenKind::String: left = MacroToken(MacroToken::Kind::String, text); break;
    default: left = MacroToken(MacroToken::Kind::Punctuator, text); break;
    }
    return true;
}

// The ")" that closes the "(" at open, within the list, which the
// definition's check made sure is there.
size_t ReplacementBuilder::CloseOf(size_t open) const
{
    size_t depth = 0;
    for (size_t i = open; i < m_macro->bodyCount; ++i) {
        if (m_body[i].Is("("))
            ++depth;
        else if (m_body[i].Is(")") && --depth == 0)
            return i;
    }
    return m_macro->bodyCount - 1;
}

}  // namespace header
