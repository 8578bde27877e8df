#include "framework/core/File.h"

#include <algorithm>
#include <limits>
#include <new>

#ifdef _WIN32
#include "framework/core/Utf.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

CFile::~CFile()
{
    Close();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT total = 0;
    auto* out = static_cast<char*>(lpBuf);
    while (IsOpen() && total < nCount) {
        const int64_t got = ReadSome(out + total, nCount - total);
        if (got <= 0)
            break;
        total += static_cast<UINT>(got);
    }
    return total;
}

FileReadResult CFile::ReadWhole(LPCTSTR lpszPath, uint64_t nMaxBytes, const std::function<char*(size_t)>& resize)
{
    if (!Open(lpszPath, modeRead | shareDenyNone | typeBinary))
        return {FileReadStatus::cannot_open, 0};
    FileReadResult result;
    try {
        result = ReadToEnd(std::min<uint64_t>(nMaxBytes, std::numeric_limits<size_t>::max()), resize);
    } catch (const std::bad_alloc&) {
        result = {FileReadStatus::no_memory, GetLength()};
    }
    Close();
    return result;
}

FileReadResult CFile::ReadToEnd(uint64_t nMaxBytes, const std::function<char*(size_t)>& resize)
{
    constexpr uint64_t kMaxRead = 1u << 30;  // what one platform read is asked for
    uint64_t room = GetLength();
    if (room > nMaxBytes)
        return {FileReadStatus::too_large, room};
    char* data = resize(static_cast<size_t>(room));
    uint64_t done = 0;
    for (;;) {
        if (done == room) {
            // As long as its length said: one byte more shows whether the
            // file has grown since.
            char extra;
            const int64_t got = ReadSome(&extra, 1);
            if (got < 0)
                return {FileReadStatus::read_error, done};
            if (got == 0)
                break;
            if (done == nMaxBytes)
                return {FileReadStatus::too_large, done + 1};
            room = std::min(nMaxBytes, done + std::max<uint64_t>(done / 2, 1u << 16));
            data = resize(static_cast<size_t>(room));
            data[done++] = extra;
            continue;
        }
        const int64_t got = ReadSome(data + done, static_cast<UINT>(std::min(room - done, kMaxRead)));
        if (got < 0)
            return {FileReadStatus::read_error, done};
        if (got == 0)
            break;
        done += static_cast<uint64_t>(got);
    }
    resize(static_cast<size_t>(done));
    return {FileReadStatus::ok, done};
}

#ifdef _WIN32

BOOL CFile::Open(LPCTSTR lpszFileName, UINT /*nOpenFlags*/)
{
    Close();
    const std::wstring path = AfxUtf8ToWide(lpszFileName ? lpszFileName : "");
    if (path.empty())
        return FALSE;
    m_hFile = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

int64_t CFile::ReadSome(void* lpBuf, UINT nCount)
{
    DWORD got = 0;
    return ReadFile(m_hFile, lpBuf, nCount, &got, nullptr) ? int64_t{got} : -1;
}

uint64_t CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<uint64_t>(size.QuadPart);
}

int64_t CFile::Seek(int64_t lOff, UINT nFrom)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = lOff;
    if (!IsOpen() || !SetFilePointerEx(m_hFile, distance, &position, nFrom))
        return -1;
    return position.QuadPart;
}

void CFile::Close()
{
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
}

#else

BOOL CFile::Open(LPCTSTR lpszFileName, UINT /*nOpenFlags*/)
{
    Close();
    if (!lpszFileName || !*lpszFileName)
        return FALSE;
    m_hFile = ::open(lpszFileName, O_RDONLY | O_CLOEXEC);
    if (!IsOpen())
        return FALSE;
    struct stat st;
    // Directories open fine on Linux but are not files to read.
    if (::fstat(m_hFile, &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        return FALSE;
    }
    return TRUE;
}

int64_t CFile::ReadSome(void* lpBuf, UINT nCount)
{
    for (;;) {
        const ssize_t got = ::read(m_hFile, lpBuf, nCount);
        if (got >= 0)
            return got;
        if (errno != EINTR)
            return -1;
    }
}

uint64_t CFile::GetLength() const
{
    struct stat st;
    if (!IsOpen() || ::fstat(m_hFile, &st) != 0)
        return 0;
    return static_cast<uint64_t>(st.st_size);
}

int64_t CFile::Seek(int64_t lOff, UINT nFrom)
{
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (!IsOpen() || nFrom > end)
        return -1;
    return ::lseek(m_hFile, static_cast<off_t>(lOff), whence[nFrom]);
}

void CFile::Close()
{
    if (IsOpen())
        ::close(m_hFile);
    m_hFile = hFileNull;
}

#endif
