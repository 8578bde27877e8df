// A parsed style document.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/afx.h"
#include "style/ParseResult.h"
#include "style/Records.h"
#include "style/Scene.h"
#include "style/StyleList.h"

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
    int ParseBytes(std::vector<uint8_t> bytes);
    // Why the last parse refused its input (status ok after a success).
    const ParseResult& GetParseResult() const { return m_result; }

    StyleHeader header;
    StyleList<Scene*> scenes;
    CFile file;

private:
    void Clear();
    ParseResult ReadWholeFile(LPCTSTR lpszPath, std::vector<uint8_t>& bytes);

    std::vector<uint8_t> m_bytes;  // the file's bytes: resource records point into them
    ParseResult m_result;
};
