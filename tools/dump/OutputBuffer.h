// Buffered output to a stdio stream, written in large blocks so that a dump
// of millions of nodes costs one write per block rather than one per piece.
// Also the output stream of the JSON writer (Put and Flush).
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

class OutputBuffer {
public:
    using Ch = char;

    explicit OutputBuffer(std::FILE* out) : m_out(out), m_buffer(kSize) {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Put(char c)
    {
        if (m_used == kSize)
            Drain();
        m_buffer[m_used++] = c;
    }
    void Write(std::string_view text);
    // The JSON writer calls this at the end of a document; the block is
    // drained when full or at Finish, not before.
    void Flush() {}

    // Writes what is left and flushes the stream. False if any write
    // failed: the output is incomplete.
    bool Finish();

private:
    static constexpr size_t kSize = 1 << 16;
    void Drain();

    std::FILE* m_out;
    std::vector<char> m_buffer;
    size_t m_used = 0;
    bool m_failed = false;
};
