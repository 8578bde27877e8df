// CString: the framework's 8-bit string. Text is UTF-8; the window layer
// converts to UTF-16 where it meets the wide Windows functions.
#pragma once

#include <string>

#include "framework/core/WinTypes.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const std::string& str) : m_str(str) {}

    CString& operator=(const char* psz)
    {
        m_str = psz ? psz : "";
        return *this;
    }

    operator LPCTSTR() const { return m_str.c_str(); }
    const std::string& GetString() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // printf-style formatting; the result replaces the current text.
    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // A writable buffer of at least nMinBufLength characters plus the
    // terminator, holding the current text. ReleaseBuffer(-1) takes the new
    // length from the first null; any other value sets it directly.
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_str;
};
