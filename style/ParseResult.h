// The outcome of parsing a style file: on refusal, where and what was wrong.
#pragma once

#include <cstdint>
#include <string>

enum class ParseStatus : uint8_t {
    ok,
    io_error,       // the file could not be opened, read whole or held in memory
    too_large,      // beyond what 32-bit offsets can address
    bad_magic,      // not a style file
    bad_version,    // a style file of a version this reader does not know
    out_of_bounds,  // a header, table, record or frame list reaches outside the file
    reached_twice,  // a resource reached again: a cycle, or a child shared by two parents
    overlap,        // two parts of the document share bytes
    too_deep,       // resources nested deeper than sty::kMaxDepth
};

struct ParseResult {
    ParseStatus status = ParseStatus::ok;
    uint64_t offset = 0;      // byte offset in the file where the fault lies
    std::string description;  // what was wrong there

    explicit operator bool() const { return status == ParseStatus::ok; }
    // "offset 0x1f: description" for a refusal, "ok" otherwise.
    std::string Message() const;
};
