// The bound on macro expansion. Expansion can grow exponentially
// (#define A2 A1 + A1, #define A3 A2 + A2 ...), so one expansion may read
// only so many tokens, and so may the whole file: a base amount and more
// for each byte of text.
#pragma once

#include <cstddef>
#include <cstdint>

namespace header {

class TokenBudget {
public:
    static constexpr uint64_t kPerExpansion = uint64_t{1} << 18;

    explicit TokenBudget(size_t textSize) : m_fileLimit(kPerFileBase + kPerFileByte * uint64_t{textSize}) {}

    // Counts one token read by an expansion that has read tokensRead so
    // far; false once either bound is passed.
    bool Spend(uint64_t& tokensRead)
    {
        ++tokensRead;
        ++m_fileTokens;
        return tokensRead <= kPerExpansion && m_fileTokens <= m_fileLimit;
    }

private:
    static constexpr uint64_t kPerFileBase = uint64_t{1} << 24;
    static constexpr uint64_t kPerFileByte = 4;

    uint64_t m_fileTokens = 0;
    uint64_t m_fileLimit;
};

}  // namespace header
