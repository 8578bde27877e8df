// The replacement of one macro invocation, as C builds it before reading
// it again: the macro's replacement list with each parameter replaced by
// its argument (as written next to # and ##, else with its macros
// expanded), # and ## applied and __VA_OPT__ resolved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "style/header/Failure.h"
#include "style/header/MacroToken.h"
#include "style/header/NameTable.h"

namespace header {

class ReplacementBuilder {
public:
    struct Argument {
        const MacroToken* raw;
        size_t rawCount;
        const MacroToken* expanded;
        size_t expandedCount;
    };

    explicit ReplacementBuilder(const NameTable& names) : m_names(names) {}

    // Whether the parameter's argument is needed with its macros expanded:
    // it stands away from # and ##, or __VA_OPT__ asks whether it is empty.
    static bool NeedsExpansion(const Symbol& macro, const MacroToken* body, uint32_t parameter);

    // Appends the replacement of macro (whose list is body) to out, using
    // one argument per parameter. False with why when ## gives no single
    // token, or when more than limit tokens would come out.
    bool Build(const Symbol& macro, const MacroToken* body, const Argument* arguments, std::vector<MacroToken>& out,
               size_t limit, Failure& why);

private:
    bool BuildRange(size_t begin, size_t end, bool pasteFirst);
    bool Append(const MacroToken* tokens, size_t count, bool paste);
    bool PasteOntoLast(const MacroToken& right);
    size_t CloseOf(size_t open) const;

    const NameTable& m_names;
    std::deque<std::string> m_spellings;  // of the tokens ## made: their text points here

    // The build in progress.
    const Symbol* m_macro = nullptr;
    const MacroToken* m_body = nullptr;
    const Argument* m_arguments = nullptr;
    std::vector<MacroToken>* m_out = nullptr;
    size_t m_first = 0;
    size_t m_limit = 0;
    Failure m_why;
};

}  // namespace header
