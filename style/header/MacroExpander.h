// Macro expansion in the header's code: a macro's replacement text turned
// into expression tokens and evaluated, as a program that uses the name
// after the header sees it.
//
// Each macro's value is worked out once, on its own, and reused wherever
// the macro stands for one operand, so a chain of macros each defined
// through the next costs time in proportion to its length. Expansion that
// really grows exponentially (#define A2 A1 + A1 ...) meets the token
// budget. Work goes on explicit stacks, not recursion, so a chain of any
// length costs memory, not call depth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/ExpressionEvaluator.h"
#include "style/header/NameTable.h"
#include "style/header/TokenBudget.h"

namespace header {

class MacroExpander {
public:
    MacroExpander(const NameTable& names, TokenBudget& budget);

    // The value of an object-like macro, or nothing when it is no integer
    // constant expression.
    std::optional<Value> MacroValue(SymbolId macro);
    // The value of an expression in the header's code (an enum member's).
    std::optional<Value> ExpressionValue(std::string_view text);

private:
    static constexpr int32_t kNotHidden = -1;

    // What is known of a macro's expansion from an earlier evaluation.
    enum class Memo : unsigned char {
        None,
        Operand,  // it stands for one operand: use the remembered one in its place
        Inline,   // it must be expanded where it is used
        Failed,   // it is no integer constant expression anywhere
    };
    // Kept for every name, so kept small: a hundred thousand of them are
    // touched once each on a large header.
    struct MacroState {
        Memo memo = Memo::None;
        Operand::State operandState = Operand::State::Known;
        IntType operandType = IntType::Int;
        bool hasJob = false;              // its value is being worked out now
        int32_t hiddenIn = kNotHidden;    // the job that has it open, where it is not expanded again
        uint64_t operandBits = 0;
        uint64_t stamp = 0;      // the name table's state the memo holds for

        Operand RememberedOperand() const { return {operandState, Value{operandType, operandBits}}; }
    };
    // Text being read: a macro's replacement text or the text asked about.
    struct Frame {
        std::string_view rest;
        SymbolId macro;
        int32_t savedHiddenIn;
    };
    // One evaluation in progress: a macro on its own, or the text asked
    // about. Its frames and tokens are the top of the shared stacks.
    struct Job {
        SymbolId macro;
        size_t firstFrame;
        size_t firstToken;
        uint64_t tokensRead;
        bool failed;
        bool hitHidden;   // met a name inside its own expansion
        bool overBudget;
    };

    void MakeRoomForNewNames();
    Memo ValidMemo(SymbolId macro) const;
    bool RememberLiteral(SymbolId macro);
    void StartJob(SymbolId macro, std::string_view text);
    std::optional<Operand> RunJobs();
    bool Step();
    bool JobIdentifier(std::string_view name, std::string_view rest);
    bool OrdinaryIdentifier(Job& job, std::optional<SymbolId> id);
    std::optional<Operand> FinishJob();
    void Remember(const Job& job, const std::optional<Operand>& result);
    void PushFrame(int32_t expansion, SymbolId macro);
    void PopFrame();
    void EmitOperand(const Operand& operand);

    const NameTable& m_names;
    ExpressionEvaluator m_evaluator;
    std::vector<MacroState> m_macros;  // by symbol
    std::vector<Job> m_jobs;
    std::vector<Frame> m_frames;
    std::vector<ExprToken> m_tokens;
    TokenBudget& m_budget;
};

}  // namespace header
