#include "style/header/ConditionalStack.h"

namespace header {

bool ConditionalStack::ElifMatters() const
{
    return !m_open.empty() && m_open.back().parentReading && !m_open.back().sureTaken;
}

void ConditionalStack::EnterBranch(Conditional& c, Verdict condition)
{
    const bool candidate = c.parentReading && !c.sureTaken;
    c.reading = candidate && condition != Verdict::False;
    // A branch after one that may have been taken is taken only if that
    // one was not, which the file cannot tell either.
    c.undecided = c.reading && (condition == Verdict::ProgramDecides || c.sawUnknown);
    c.sureTaken = c.sureTaken || (candidate && condition == Verdict::True);
    c.sawUnknown = c.sawUnknown || (candidate && condition == Verdict::ProgramDecides);
    c.firstChange = m_changes.size();
}

// Changes of a branch the file decided belong to the branch around it;
// changes of an undecided one make their names undecided.
void ConditionalStack::LeaveBranch()
{
    const Conditional& c = m_open.back();
    if (!c.undecided)
        return;
    for (size_t i = c.firstChange; i < m_changes.size(); ++i)
        m_names.MarkUndecided(m_changes[i]);
    m_changes.resize(c.firstChange);
}

void ConditionalStack::If(Verdict condition)
{
    Conditional c{Reading(), false, false, false, false, 0};
    EnterBranch(c, condition);
    m_open.push_back(c);
}

void ConditionalStack::Elif(Verdict condition)
{
    if (m_open.empty())
        return;  // a stray #elif or #else
    LeaveBranch();
    EnterBranch(m_open.back(), condition);
}

void ConditionalStack::Endif()
{
    if (m_open.empty())
        return;
    LeaveBranch();
    m_open.pop_back();
    if (m_open.empty())
        m_changes.clear();  // made where every line is read: they hold for sure
}

void ConditionalStack::NoteChange(SymbolId id)
{
    if (!m_open.empty())
        m_changes.push_back(id);
}

}  // namespace header
