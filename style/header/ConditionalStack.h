// The #if, #elif, #else and #endif nesting: which lines are read, and which
// macro changes the file cannot vouch for once their branch is left.
//
// A condition the file cannot decide (it depends on a name the including
// program may define) has every branch of its conditional read. A #define
// or #undef in such a branch holds only when the program takes that branch,
// so after the branch its name is undecided: conditions on it are not
// decided either, while its value is still the last one read.
#pragma once

#include <cstddef>
#include <vector>

#include "style/header/NameTable.h"

namespace header {

class ConditionalStack {
public:
    explicit ConditionalStack(NameTable& names) : m_names(names) {}

    // Whether the lines here are read.
    bool Reading() const { return m_open.empty() || m_open.back().reading; }
    // Whether the condition of an #elif here can matter: its conditional is
    // read and no earlier branch was surely taken. If not, the caller passes
    // Verdict::False without working it out.
    bool ElifMatters() const;

    // #if, #ifdef, #ifndef; the condition is Verdict::False when !Reading().
    void If(Verdict condition);
    // #elif, #elifdef, #elifndef; #else is Elif(Verdict::True).
    void Elif(Verdict condition);
    void Endif();

    // A #define or #undef of the name in the current branch.
    void NoteChange(SymbolId id);

private:
    struct Conditional {
        bool parentReading;
        bool reading;      // the current branch is read
        bool sureTaken;    // a branch so far is surely taken: the rest are not
        bool sawUnknown;   // a branch so far had a condition the file cannot decide
        bool undecided;    // the current branch is read without the file deciding it
        size_t firstChange;  // the current branch's changes start here in m_changes
    };
    void EnterBranch(Conditional& c, Verdict condition);
    void LeaveBranch();

    NameTable& m_names;
    std::vector<Conditional> m_open;
    // The changes made inside open conditionals, innermost last.
    std::vector<SymbolId> m_changes;
};

}  // namespace header
