#include "framework/core/String.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (needed < 0) {
        m_str.clear();
    } else {
        std::string out(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), pszFormat, args);
        out.resize(static_cast<size_t>(needed));
        m_str = std::move(out);
    }
    va_end(args);
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength), '\0');
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        m_str.resize(std::strlen(m_str.c_str()));
    else if (static_cast<size_t>(nNewLength) <= m_str.size())
        m_str.resize(static_cast<size_t>(nNewLength));
}
