// rapidjson's writer over the output buffer, the same in every file that
// writes JSON: its fast path (room for a whole string made once, then its
// bytes put unchecked), and strings made valid UTF-8.
#pragma once

#include <rapidjson/writer.h>

#include <string>
#include <string_view>

#include "framework/core/Utf.h"
#include "tools/dump/OutputBuffer.h"

inline void PutReserve(OutputBuffer& out, size_t count)
{
    out.Reserve(count);
}
inline void PutUnsafe(OutputBuffer& out, char c)
{
    out.PutUnchecked(c);
}

using OutputJsonWriter = rapidjson::Writer<OutputBuffer>;

// JSON text is UTF-8; a file name or a header's name may not be.
inline void JsonString(OutputJsonWriter& writer, std::string_view text)
{
    if (AfxIsUtf8(text)) {
        writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    } else {
        const std::string valid = AfxValidUtf8(text);
        writer.String(valid.data(), static_cast<rapidjson::SizeType>(valid.size()));
    }
}
