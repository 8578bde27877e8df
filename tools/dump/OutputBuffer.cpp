#include "tools/dump/OutputBuffer.h"

#include <algorithm>
#include <cstring>

void OutputBuffer::Write(std::string_view text)
{
    while (!text.empty()) {
        if (m_used == kSize)
            Drain();
        const size_t n = std::min(text.size(), kSize - m_used);
        std::memcpy(m_buffer.data() + m_used, text.data(), n);
        m_used += n;
        text.remove_prefix(n);
    }
}

void OutputBuffer::Drain()
{
    // After a failure the rest is dropped: the dump ends with an error.
    if (!m_failed && std::fwrite(m_buffer.data(), 1, m_used, m_out) != m_used)
        m_failed = true;
    m_used = 0;
}

bool OutputBuffer::Finish()
{
    Drain();
    if (std::fflush(m_out) != 0)
        m_failed = true;
    return !m_failed;
}
