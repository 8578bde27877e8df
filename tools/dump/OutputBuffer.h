// Buffered output to a stdio stream, written in large blocks so that a dump
// of millions of nodes costs one write per block rather than one per piece.
// Also the output stream of the JSON writer (Put and Flush).
#pragma once

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

class OutputBuffer {
public:
    using Ch = char;

    explicit OutputBuffer(std::FILE* out);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Put(char c)
    {
        if (m_next == m_end)
            Drain();
        *m_next++ = Byte(c);
    }
    // Makes room for n more bytes, so that PutUnchecked may follow n times.
    void Reserve(size_t n)
    {
        if (static_cast<size_t>(m_end - m_next) < n)
            MakeRoom(n);
    }
    void PutUnchecked(char c) { *m_next++ = Byte(c); }
    void Write(std::string_view text)
    {
        if (text.size() <= static_cast<size_t>(m_end - m_next)) {
            std::memcpy(m_next, text.data(), text.size());
            m_next += text.size();
        } else {
            WriteAcross(text);
        }
    }
    // The JSON writer calls this at the end of a document; the block is
    // drained when full or at Finish, not before.
    void Flush() {}

    // Writes what is left and flushes the stream. False if any write
    // failed: the output is incomplete.
    bool Finish();
    // Finish, saying on err when the output is incomplete; the exit code
    // that goes with it (docs/lorvex-dump.md).
    int FinishWithCode(std::FILE* err);

private:
    // The buffer's bytes are of this type rather than char: a store through
    // a char may, as far as the compiler knows, change any object, so the
    // position would be reloaded from memory after each byte the JSON writer
    // puts, making every byte wait on the one before.
    enum class Byte : unsigned char {};

    void WriteAcross(std::string_view text);
    void MakeRoom(size_t n);
    void Drain();

    std::FILE* m_out;
    std::vector<Byte> m_buffer;
    Byte* m_next;  // the free part of m_buffer
    Byte* m_end;
    bool m_failed = false;
};
