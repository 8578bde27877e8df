// The Win32 scalar types the portable code names. On Windows they come from
// <windows.h>; elsewhere this header supplies the same names with the same
// widths. Window handles, messages and functions are not here: they belong
// to the window layer's platform interface, framework/win32/Win32Api.h.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t DWORD_PTR;
typedef intptr_t LONG_PTR;
typedef char CHAR;
typedef char TCHAR;
// UTF-16, as on Windows (where wchar_t is 16 bits wide).
typedef char16_t WCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef uint64_t ULONGLONG;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#endif
