// CFile: a file opened for reading. The program never writes files, so the
// class has no write modes at all.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/WinTypes.h"

enum class FileReadStatus : uint8_t {
    ok,
    cannot_open,  // missing, a folder, no permission
    read_error,   // the platform failed a read
    too_large,    // more bytes than the caller's limit
    no_memory,    // no room for the bytes in memory
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::ok;
    uint64_t size = 0;  // the bytes read; for too_large, the size found

    explicit operator bool() const { return status == FileReadStatus::ok; }
};

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

    // Opens the file at lpszPath, reads all of it into bytes (a std::string
    // or a std::vector of bytes, resized to what was read) and closes it
    // again. A file of more than nMaxBytes bytes is refused as too_large.
    // The file may change while it is read: its length says only how much
    // room to make first, and the end is where the platform says it is.
    template <class Buffer>
    FileReadResult ReadWholeFile(LPCTSTR lpszPath, uint64_t nMaxBytes, Buffer& bytes)
    {
        return ReadWhole(lpszPath, nMaxBytes, [&bytes](size_t size) {
            bytes.resize(size);
            return static_cast<char*>(static_cast<void*>(bytes.data()));
        });
    }

private:
    // ReadWholeFile with the buffer behind resize, which sizes it and
    // returns where its bytes are.
    FileReadResult ReadWhole(LPCTSTR lpszPath, uint64_t nMaxBytes, const std::function<char*(size_t)>& resize);
    FileReadResult ReadToEnd(uint64_t nMaxBytes, const std::function<char*(size_t)>& resize);
    // One read of the platform's: up to nCount bytes, 0 at the end, -1 on
    // an error.
    int64_t ReadSome(void* lpBuf, UINT nCount);

#ifdef _WIN32
    using Handle = HANDLE;
    static inline const Handle hFileNull = INVALID_HANDLE_VALUE;
#else
    using Handle = int;
    static constexpr Handle hFileNull = -1;
#endif
    Handle m_hFile = hFileNull;
};
