// A parsed style document.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/afx.h"
#include "style/ParseResult.h"
#include "style/Records.h"
#include "style/Scene.h"
#include "style/StyleList.h"

// An allocator whose default construction leaves elements uninitialised, so
// that sizing a buffer about to be filled does not first zero it.
template <class T>
struct DefaultInitAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    using std::allocator<T>::allocator;

    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A file's bytes as ParseFile reads them.
using StyleBytes = std::vector<uint8_t, DefaultInitAllocator<uint8_t>>;

class StyleFile {
public:
    StyleFile() = default;
    StyleFile(const StyleFile&) = delete;
    StyleFile& operator=(const StyleFile&) = delete;
    virtual ~StyleFile();

    // Reads the style file at lpszPath into this object. Returns non-zero
    // for a valid file; 0 otherwise, leaving no scene behind. The file is
    // opened for reading only, shared, and closed before returning.
    int ParseFile(LPCTSTR lpszPath);
    // The same for a file's bytes already in memory.
    int ParseBytes(const std::vector<uint8_t>& bytes);
    // Why the last parse refused its input (status ok after a success).
    const ParseResult& GetParseResult() const { return m_result; }

    StyleHeader header;
    StyleVector<Scene*> scenes;
    CFile file;

private:
    void Clear();
    ParseResult ReadWholeFile(LPCTSTR lpszPath, StyleBytes& bytes);
    // Builds the document from size bytes at data; the caller keeps them.
    int Build(const uint8_t* data, uint64_t size);

    // The file's bytes: resource records point into them.
    StyleBytes m_bytes;
    ParseResult m_result;
};
