#include "tools/dump/OutputBuffer.h"

#include <algorithm>

#include "tools/dump/ExitCodes.h"

OutputBuffer::OutputBuffer(std::FILE* out) : m_out(out), m_buffer(size_t{1} << 16)
{
    m_next = m_buffer.data();
    m_end = m_next + m_buffer.size();
}

void OutputBuffer::WriteAcross(std::string_view text)
{
    while (!text.empty()) {
        if (m_next == m_end)
            Drain();
        const size_t n = std::min(text.size(), static_cast<size_t>(m_end - m_next));
        std::memcpy(m_next, text.data(), n);
        m_next += n;
        text.remove_prefix(n);
    }
}

void OutputBuffer::MakeRoom(size_t n)
{
    Drain();
    if (m_buffer.size() < n) {  // a text longer than a block: rare
        m_buffer.resize(n);
        m_next = m_buffer.data();
        m_end = m_next + n;
    }
}

void OutputBuffer::Drain()
{
    const size_t used = static_cast<size_t>(m_next - m_buffer.data());
    // After a failure the rest is dropped: the dump ends with an error.
    if (!m_failed && std::fwrite(m_buffer.data(), 1, used, m_out) != used)
        m_failed = true;
    m_next = m_buffer.data();
}

bool OutputBuffer::Finish()
{
    Drain();
    if (std::fflush(m_out) != 0)
        m_failed = true;
    return !m_failed;
}

int OutputBuffer::FinishWithCode(std::FILE* err)
{
    if (Finish())
        return kExitOk;
    std::fprintf(err, "lorvex-dump: the output could not be written whole\n");
    return kExitOutput;
}
