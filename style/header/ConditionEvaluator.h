// The conditions of #if and #elif. Macros are expanded where the condition
// is read. A name the including program may define (one the file never
// mentions, or changes only in branches it cannot decide) makes the answer
// depend on that program, unless it stands in an operand C does not
// evaluate.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "style/header/ExpressionEvaluator.h"
#include "style/header/NameTable.h"
#include "style/header/TokenBudget.h"

namespace header {

class ConditionEvaluator {
public:
    ConditionEvaluator(const NameTable& names, TokenBudget& budget) : m_names(names), m_budget(budget) {}

    // True or False when the file decides the condition, else Unknown.
    Tri Evaluate(std::string_view condition);

private:
    // Text being read: the condition, or a macro's replacement text.
    struct Frame {
        std::string_view rest;
        std::optional<SymbolId> macro;
    };
    bool Identifier(std::string_view name);
    void PushFrame(SymbolId macro);
    void PopFrame();
    void EmitOperand(const Operand& operand);

    const NameTable& m_names;
    TokenBudget& m_budget;
    ExpressionEvaluator m_evaluator;
    std::vector<Frame> m_frames;
    std::vector<ExprToken> m_tokens;
    std::vector<bool> m_open;  // by symbol: being expanded, so not expanded again
};

}  // namespace header
