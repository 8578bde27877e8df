// What the benchmarks on the real controls share: the viewer holding a
// generated document, labelled from a generated header written to a
// scratch file, as a person's Browse... would leave it.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/core/Utf.h"
#include "style/StyWriter.h"
#include "style/StyleFile.h"

// A scratch file in the temporary folder, named for this process.
class BenchScratchFile {
public:
    BenchScratchFile(const wchar_t* name, const std::string& bytes)
    {
        wchar_t dir[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, dir);
        m_path = std::wstring(dir) + L"lorvex-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
        FILE* out = _wfopen(m_path.c_str(), L"wb");
        const bool wrote = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        m_written = out && std::fclose(out) == 0 && wrote;
        if (!m_written)
            std::fprintf(stderr, "cannot write %ls\n", m_path.c_str());
    }
    BenchScratchFile(const BenchScratchFile&) = delete;
    BenchScratchFile& operator=(const BenchScratchFile&) = delete;
    ~BenchScratchFile() { DeleteFileW(m_path.c_str()); }

    bool Written() const { return m_written; }
    CString Utf8Path() const { return AfxWideToUtf8(m_path).c_str(); }

private:
    std::wstring m_path;
    bool m_written = false;
};

// Gives dlg (a viewer that exposes LoadHeaderMacros) the names of header,
// when there is one, and image as its document, titled title. False, having
// said why, when the document does not parse.
template <class Dlg>
bool HoldBenchDocument(Dlg& dlg, const StyImage& image, const char* title, const BenchScratchFile* header)
{
    if (header) {
        dlg.m_strHeaderPath = header->Utf8Path();
        dlg.LoadHeaderMacros();
    }
    dlg.m_pStyleFile = new StyleFile;
    dlg.m_strFileTitle = title;
    if (dlg.m_pStyleFile->ParseBytes(image.bytes))
        return true;
    std::fprintf(stderr, "the generated document does not parse\n");
    return false;
}
