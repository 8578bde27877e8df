// Reading a control's text whose length the control does not tell first.
#pragma once

#include <string>

#include "framework/core/String.h"
#include "framework/core/Utf.h"

// Calls read(buffer, size) with a growing buffer until the text it writes
// there (null-terminated, as much as fits) leaves room to spare; read
// returns a negative number when there is no text to read. Texts are cut
// at a million characters.
template <class Read>
CString AfxReadControlText(Read read)
{
    for (size_t size = 256;; size *= 4) {
        AfxWideString buffer(size, 0);
        if (read(buffer.data(), static_cast<int>(size)) < 0)
            return CString();
        const size_t length = std::char_traits<WCHAR>::length(buffer.c_str());
        if (length + 1 < size || size >= (1u << 20)) {
            buffer.resize(length);
            return CString(AfxWideToUtf8(buffer));
        }
    }
}
