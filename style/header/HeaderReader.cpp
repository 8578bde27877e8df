#include "style/header/HeaderReader.h"

#include <optional>
#include <vector>

#include "style/header/ConditionalStack.h"
#include "style/header/EnumScanner.h"
#include "style/header/Lexer.h"
#include "style/header/LogicalLines.h"
#include "style/header/MacroExpander.h"
#include "style/header/NameTable.h"
#include "style/header/TypedefScanner.h"

namespace header {

namespace {

// Reads the logical lines of a header in order: directives change the
// names and the conditional nesting, code lines may declare enums and
// typedefs. The values are worked out at the end.
class HeaderReader {
public:
    // Room for a name every 32 bytes: a typical header never needs more.
    explicit HeaderReader(std::string_view text)
        : m_text(text),
          m_names(text.size() / 32),
          m_conditionals(m_names),
          m_budget(text.size()),
          m_expander(m_names, m_budget),
          m_enums(m_names, m_expander, text),
          m_typedefs(m_names, m_enums)
    {
    }

    void ReadLines()
    {
        std::string_view text = m_text;
        while (!text.empty()) {
            const size_t lineEnd = text.find('\n');
            Line(text.substr(0, lineEnd));
            text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        }
    }

    // A name stands for the definition that holds at the end; an
    // object-like macro hides an enum member of the same name.
    void ReportNames(const NameHandler& onName, const SkipHandler& onSkip, LineMap& lines)
    {
        const std::vector<NameTable::Definition>& definitions = m_names.Definitions();
        std::string outside;
        for (size_t at = 0; at < definitions.size(); ++at) {
            const NameTable::Definition& d = definitions[at];
            const Symbol& s = m_names[d.symbol];
            const bool objectMacro = s.isMacro && !s.functionLike;
            std::optional<Value> v;
            Failure why;
            if (d.asEnumMember) {
                if (s.enumDefinition != at || !s.isEnumMember || objectMacro)
                    continue;
                v = s.EnumValue();
                if (!v)
                    why = m_names.EnumFailure(at);
            } else {
                if (s.macroDefinition != at || !s.isMacro)
                    continue;
                if (s.functionLike)
                    why.reason = Reason::TakesArguments;
                else if (s.bodyCount == 0)
                    why.reason = Reason::Empty;
                else
                    v = m_expander.MacroValue(d.symbol, why);
            }
            if (v) {
                if (const std::optional<uint32_t> number = v->ToId()) {
                    onName(s.name, *number);
                    continue;
                }
                outside = v->IsSigned() ? std::to_string(v->AsSigned()) : std::to_string(v->bits);
                why = {Reason::OutsideIds, outside};
            }
            if (onSkip)
                onSkip({lines.LineOf(m_text, d.offset), s.name, FailureText(why)});
        }
    }

private:
    void Line(std::string_view line)
    {
        while (!line.empty() && (line[0] == ' ' || line[0] == '\t' || line[0] == '\v' || line[0] == '\f'))
            line.remove_prefix(1);
        if (line.empty())
            return;
        if (line[0] == '#') {
            Directive(line.substr(1));
            return;
        }
        const bool mayDeclare = m_enums.InEnum() || m_typedefs.InTypedef() ||
            line.find("enum") != std::string_view::npos || line.find("typedef") != std::string_view::npos;
        if (!m_conditionals.Reading() || !mayDeclare)
            return;
        Token tok;
        while (NextToken(line, tok)) {
            m_enums.Read(tok);
            m_typedefs.Read(tok);  // after the enum scanner, which settles an enum body's type
        }
    }

    void Directive(std::string_view rest)
    {
        Token tok;
        if (!NextToken(rest, tok) || tok.kind != TokenKind::Identifier)
            return;  // "#" alone, line markers, stray bytes
        const std::string_view d = tok.text;
        const bool reading = m_conditionals.Reading();
        if (d == "if" || d == "ifdef" || d == "ifndef") {
            m_conditionals.If(reading ? Condition(d, rest) : Verdict::False);
        } else if (d == "elif" || d == "elifdef" || d == "elifndef") {
            m_conditionals.Elif(m_conditionals.ElifMatters() ? Condition(d, rest) : Verdict::False);
        } else if (d == "else") {
            m_conditionals.Elif(Verdict::True);
        } else if (d == "endif") {
            m_conditionals.Endif();
        } else if (reading && d == "define") {
            Define(rest);
        } else if (reading && d == "undef" && NextToken(rest, tok) && tok.kind == TokenKind::Identifier) {
            const SymbolId id = m_names.Intern(tok.text);
            m_names.UndefineMacro(id);
            m_conditionals.NoteChange(id);
        }
    }

    // The condition of #if, #ifdef, #ifndef or one of their #elif forms.
    Verdict Condition(std::string_view directive, std::string_view rest)
    {
        if (directive == "if" || directive == "elif")
            return m_expander.Condition(rest);
        Token name;
        if (!NextToken(rest, name) || name.kind != TokenKind::Identifier)
            return Verdict::ProgramDecides;
        const Verdict defined = m_names.IsDefined(name.text);
        const bool negated = directive.size() >= 4 && directive.substr(directive.size() - 4) == "ndef";
        if (defined == Verdict::ProgramDecides || !negated)
            return defined;
        return defined == Verdict::True ? Verdict::False : Verdict::True;
    }

    void Define(std::string_view rest)
    {
        Token name;
        if (!NextToken(rest, name) || name.kind != TokenKind::Identifier)
            return;
        const bool functionLike = !rest.empty() && rest[0] == '(';  // only when "(" touches the name
        const SymbolId id = m_names.Intern(name.text);
        m_names.DefineMacro(id, rest, functionLike, static_cast<uint32_t>(name.text.data() - m_text.data()));
        m_conditionals.NoteChange(id);
    }

    std::string_view m_text;
    NameTable m_names;
    ConditionalStack m_conditionals;
    TokenBudget m_budget;
    MacroExpander m_expander;
    EnumScanner m_enums;
    TypedefScanner m_typedefs;
};

}  // namespace

bool ReadHeader(std::string text, const NameHandler& onName, const SkipHandler& onSkip)
{
    // Positions in the text and counts of what it defines are 32 bits wide.
    if (text.find('\0') != std::string::npos || text.size() >= (uint64_t{1} << 32))
        return false;
    LineMap lines = ToLogicalLines(text);
    HeaderReader reader(text);
    reader.ReadLines();
    reader.ReportNames(onName, onSkip, lines);
    return true;
}

}  // namespace header
