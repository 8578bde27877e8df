// CFile: a file opened for reading. The program never writes files, so the
// class has no write modes at all.
#pragma once

#include <cstdint>

#include "framework/core/WinTypes.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        shareDenyNone = 0x0040,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();

    // Opens an existing file for reading. Other processes may go on reading
    // and writing it meanwhile. Returns FALSE if it cannot be opened.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Reads up to nCount bytes; returns how many were read (0 at the end).
    UINT Read(void* lpBuf, UINT nCount);
    // Current length in bytes; 0 when closed.
    uint64_t GetLength() const;
    // Moves the read position; returns the new position, or -1 on failure.
    int64_t Seek(int64_t lOff, UINT nFrom);
    void Close();
    BOOL IsOpen() const { return m_hFile != hFileNull; }

private:
    // One read of the platform's: up to nCount bytes, 0 at the end or on an
    // error.
    UINT ReadSome(void* lpBuf, UINT nCount);

#ifdef _WIN32
    using Handle = HANDLE;
    static inline const Handle hFileNull = INVALID_HANDLE_VALUE;
#else
    using Handle = int;
    static constexpr Handle hFileNull = -1;
#endif
    Handle m_hFile = hFileNull;
};
