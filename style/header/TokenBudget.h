// The bound on macro expansion. Expansion can grow exponentially
// (#define A2 A1 + A1, #define A3 A2 + A2 ...), so one expansion may read
// only so many tokens, and so may the whole file: a base amount and more
// for each byte of text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace header {

class TokenBudget {
public:
    static constexpr uint64_t kPerExpansion = uint64_t{1} << 18;

    explicit TokenBudget(size_t textSize) : m_fileLimit(kPerFileBase + kPerFileByte * uint64_t{textSize}) {}

    // Counts tokens read or made by an expansion that has needed
    // tokensRead so far; false once either bound is passed.
    bool Spend(uint64_t& tokensRead, uint64_t count = 1)
    {
        tokensRead += count;
        m_fileTokens += count;
        return tokensRead <= kPerExpansion && m_fileTokens <= m_fileLimit;
    }
    // How many more such an expansion may need.
    uint64_t Room(uint64_t tokensRead) const { return std::min(ExpansionRoom(tokensRead), FileRoom()); }
    // After a Spend that failed, or when more than Room is needed: whether
    // the file's bound is the one reached, not the expansion's.
    bool FileBound(uint64_t tokensRead) const
    {
        return m_fileTokens > m_fileLimit || FileRoom() < ExpansionRoom(tokensRead);
    }

private:
    static uint64_t ExpansionRoom(uint64_t tokensRead) { return tokensRead < kPerExpansion ? kPerExpansion - tokensRead : 0; }
    uint64_t FileRoom() const { return m_fileTokens < m_fileLimit ? m_fileLimit - m_fileTokens : 0; }

    static constexpr uint64_t kPerFileBase = uint64_t{1} << 24;
    static constexpr uint64_t kPerFileByte = 4;

    uint64_t m_fileTokens = 0;
    uint64_t m_fileLimit;
};

}  // namespace header
