#include "style/StyleFile.h"

#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "style/StyleReader.h"

StyleFile::~StyleFile()
{
    Clear();
}

int StyleFile::ParseFile(LPCTSTR lpszPath)
{
    Clear();
    StyleBytes bytes;
    m_result = ReadWholeFile(lpszPath, bytes);
    if (!m_result || !Build(bytes.data(), bytes.size()))
        return 0;
    // Moving a vector keeps its storage, so the records stay where they are.
    m_bytes = std::move(bytes);
    return 1;
}

int StyleFile::ParseBytes(const std::vector<uint8_t>& bytes)
{
    Clear();
    StyleBytes own(bytes.begin(), bytes.end());
    if (!Build(own.data(), own.size()))
        return 0;
    m_bytes = std::move(own);
    return 1;
}

int StyleFile::Build(const uint8_t* data, uint64_t size)
{
    StyleHeader parsed{};
    std::vector<std::unique_ptr<Scene>> built;
    m_result = StyleReader(data, size).Read(parsed, built);
    if (!m_result)
        return 0;
    header = parsed;
    scenes.reserve(built.size());
    for (auto& scene : built)
        scenes.push_back(scene.release());
    return 1;
}

void StyleFile::Clear()
{
    for (size_t i = 0; i < scenes.size(); ++i)
        delete scenes[i];
    scenes.clear();
    StyleBytes().swap(m_bytes);
    m_result = {};
}

ParseResult StyleFile::ReadWholeFile(LPCTSTR lpszPath, StyleBytes& bytes)
{
    // Offsets in the file are 32 bits wide: a larger file cannot be valid.
    const FileReadResult read = file.ReadWholeFile(lpszPath, std::numeric_limits<uint32_t>::max(), bytes);
    switch (read.status) {
    case FileReadStatus::ok:
        break;
    case FileReadStatus::cannot_open:
        return {ParseStatus::io_error, 0, "cannot open the file for reading"};
    case FileReadStatus::read_error:
        return {ParseStatus::io_error, read.size, "the file could not be read past its first " +
                std::to_string(read.size) + " bytes"};
    case FileReadStatus::too_large:
        return {ParseStatus::too_large, 0,
                "file of " + std::to_string(read.size) + " bytes is larger than 32-bit offsets can address"};
    case FileReadStatus::no_memory:
        return {ParseStatus::io_error, 0,
                "file of " + std::to_string(read.size) + " bytes is too large to hold in memory"};
    }
    return {};
}
