#include "style/StyleFile.h"

#include <algorithm>
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
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return {ParseStatus::io_error, 0, "cannot open the file for reading"};
    const uint64_t length = file.GetLength();
    if (length > std::numeric_limits<uint32_t>::max()) {
        file.Close();
        return {ParseStatus::too_large, 0,
                "file of " + std::to_string(length) + " bytes is larger than 32-bit offsets can address"};
    }
    bytes.resize(static_cast<size_t>(length));
    uint64_t done = 0;
    while (done < length) {
        const UINT chunk = static_cast<UINT>(std::min<uint64_t>(length - done, 1u << 30));
        const UINT got = file.Read(bytes.data() + done, chunk);
        if (got == 0)
            break;
        done += got;
    }
    file.Close();
    if (done != length)
        return {ParseStatus::io_error, done,
                "read " + std::to_string(done) + " of the file's " + std::to_string(length) + " bytes"};
    return {};
}
