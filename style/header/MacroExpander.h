// Macro expansion as a C compiler does it, for the values of macros and
// enum members and for the conditions of #if and #elif: object-like and
// function-like macros, each argument expanded on its own before it
// replaces its parameter, # and ##, __VA_ARGS__ and __VA_OPT__, and no
// macro expanded again inside its own expansion. What comes out is
// evaluated as an integer constant expression.
//
// Values and conditions differ in two things only: a condition answers
// "defined NAME", and a name left after expansion counts as 0 in it when
// the file decides the name, else leaves the condition to the program.
//
// In values, each object-like macro's value is worked out once, on its
// own, and reused wherever the macro stands for one operand, so a chain of
// macros each defined through the next costs time in proportion to its
// length. Expansion that really grows exponentially (#define A2 A1 + A1
// ...) meets the token budget. Work goes on explicit stacks, not
// recursion, so nesting of any depth costs memory, not call depth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/ExpressionEvaluator.h"
#include "style/header/Failure.h"
#include "style/header/MacroToken.h"
#include "style/header/NameTable.h"
#include "style/header/Replacement.h"
#include "style/header/TokenBudget.h"
#include "style/header/Verdict.h"

namespace header {

class MacroExpander {
public:
    MacroExpander(const NameTable& names, TokenBudget& budget);

    // The value of an object-like macro where a program uses its name, or
    // nothing, with why, when that is no integer constant expression.
    std::optional<Value> MacroValue(SymbolId macro, Failure& why);
    // The value of an expression in the header's code (an enum member's).
    std::optional<Value> ExpressionValue(std::string_view text, Failure& why);
    // Whether the condition of an #if or #elif holds, as far as the file says.
    Verdict Condition(std::string_view text);

private:
    static constexpr int32_t kNotHidden = -1;
    static constexpr uint32_t kJobInput = UINT32_MAX;

    // What is known of a macro's expansion from an earlier evaluation.
    enum class Memo : unsigned char {
        None,
        Operand,  // it stands for one operand: use the remembered one in its place
        Inline,   // it must be expanded where it is used
        Failed,   // it is no integer constant expression anywhere
    };
    // What the remembered operand looks like as tokens. Inside an argument,
    // where # and ## may still take it apart, it stands in only as one
    // literal (whose spelling is kept) or one parenthesised group (which
    // ## can paste with nothing).
    enum class Shape : unsigned char { Literal, Group, Other };
    // Kept for every name, so kept small: a hundred thousand of them are
    // touched once each on a large header.
    struct MacroState {
        uint64_t operandBits = 0;
        std::string_view text;  // Memo::Operand, Shape::Literal: the spelling; Memo::Failed: what the failure names
        uint32_t stamp = 0;     // the name table's state the memo holds for
        int32_t hiddenIn = kNotHidden;  // the job that has it open, where it is not expanded again
        Memo memo = Memo::None;
        Shape shape = Shape::Other;
        Operand::State operandState = Operand::State::Known;
        PromotedType operandType = PromotedType::Int;
        Reason reason = Reason::None;  // Memo::Failed: why; Memo::Operand: the operand's fault
        bool hasJob = false;           // its value is being worked out now

        Operand RememberedOperand() const { return {operandState, reason, Value{operandType, operandBits}}; }
    };
    // Where a frame's tokens are.
    enum class Source : unsigned char { Bodies, Expansions, Arguments };
    // Tokens being read: a macro's replacement, the text asked about, or
    // an argument.
    struct Frame {
        uint32_t at;
        uint32_t end;
        SymbolId macro;  // not expanded again while its frame is read
        int32_t savedHiddenIn;
        Source source;
    };
    // The reading of a job's input, or of one argument on its own.
    struct Scan {
        size_t firstFrame;
        uint32_t invocation;  // kJobInput: the job's own input
    };
    // A function-like macro called, while its arguments are expanded.
    struct Invocation {
        SymbolId macro;
        uint32_t firstArgument;    // in m_arguments
        uint32_t argumentTokens;   // marks: what m_argumentTokens and m_expandedArguments held before it
        uint32_t expandedTokens;
        uint32_t expanding;        // the parameter whose argument is expanded now
    };
    struct Argument {
        uint32_t rawFirst, rawEnd;            // in m_argumentTokens
        uint32_t expandedFirst, expandedEnd;  // in m_expandedArguments
    };
    // One evaluation in progress: a macro on its own, or the text asked
    // about. What it adds to the stacks is above its marks. A chain of
    // macros each defined through the next has one open per link, so it
    // is kept small.
    struct Job {
        uint64_t tokensRead;
        Failure failure;  // before it fails, the enum tag a cast named, in case the cast is refused
        SymbolId macro;   // kNoSymbol: the text asked about
        uint32_t firstFrame, firstScan, firstInvocation, firstArgument, firstToken;
        uint32_t expansions, argumentTokens, expandedArguments, operands;
        EvalMode mode;
        bool failed;
        bool contextDependent;  // met a name inside its own expansion, or ran out of tokens a call needed
        bool overBudget;
    };

    void MakeRoomForNewNames();
    Memo ValidMemo(SymbolId macro) const;
    bool RememberLiteral(SymbolId macro);
    std::optional<Value> Evaluated(const std::optional<Operand>& result, Failure& why) const;

    void StartJob(SymbolId macro, EvalMode mode);
    void StartTextJob(std::string_view text, EvalMode mode);
    std::optional<Operand> RunJobs(Failure& why);
    bool Step();
    std::optional<Operand> FinishJob(Failure& why);
    void Remember(const Job& job, const std::optional<Operand>& result, const Failure& failure);
    void Fail(const Failure& failure);
    bool Spend(uint64_t count);
    void OverBudget();
    int32_t JobIndex() const { return static_cast<int32_t>(m_jobs.size() - 1); }
    bool ReadingJobInput() const { return m_scans.size() - 1 == m_jobs.back().firstScan; }

    bool Next(MacroToken& tok);
    const MacroToken* Peek();
    const MacroToken& TokenAt(const Frame& frame) const;
    void PushFrame(Source source, size_t first, size_t end, SymbolId macro);
    void PopFrame();

    bool Expand(SymbolId macro);
    void PushMacro(SymbolId macro);
    void Invoke(SymbolId macro);
    void ContinueInvocation();
    void EndArgumentScan();
    void Replace();
    bool BuildReplacement(const Symbol& macro, const ReplacementBuilder::Argument* arguments);

    void Output(const MacroToken& tok);
    void ValueName(const MacroToken& tok);
    void ConditionName(const MacroToken& tok);
    void Defined();
    void EmitOperand(const Operand& operand, std::string_view spelling = {});
    void EmitRemembered(SymbolId macro);

    const NameTable& m_names;
    TokenBudget& m_budget;
    ExpressionEvaluator m_evaluator;
    ReplacementBuilder m_replacements;
    std::vector<MacroState> m_macros;  // by symbol
    std::vector<Job> m_jobs;
    std::vector<Scan> m_scans;
    std::vector<Frame> m_frames;
    std::vector<Invocation> m_invocations;
    std::vector<Argument> m_arguments;
    std::vector<MacroToken> m_expansions;         // replacements made, and the text asked about
    std::vector<MacroToken> m_argumentTokens;     // arguments as written
    std::vector<MacroToken> m_expandedArguments;  // arguments expanded on their own
    std::vector<Operand> m_operands;              // of the Operand tokens
    std::vector<ReplacementBuilder::Argument> m_argumentViews;
    std::vector<ExprToken> m_tokens;              // what the jobs give the evaluator
};

}  // namespace header
