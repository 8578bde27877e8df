/* Ids built with function-like macros, in the shapes id headers use them,
   and names whose C result is no integer. */
#ifndef ORACLE_FUNCTION_LIKE_H
#define ORACLE_FUNCTION_LIKE_H

/* Offset helpers, also nested and called with calls. */
#define IDS_BASE(n) (0x4000 + (n))
#define IDS_OK IDS_BASE(1)
#define IDS_CANCEL IDS_BASE(IDS_OK - 0x4000 + 1)
#define IDS_NESTED IDS_BASE(IDS_BASE(2) - IDS_BASE(0))
#define ADD(a, b) ((a) + (b))
#define IDS_SUM IDS_BASE(ADD(ADD(1, 2), (3)))
#define PAIR_SUM(p) ADD p
#define IDS_PAIR PAIR_SUM((4, 5))

/* Packing two halves into one id. */
#define PACK_WORD(lo, hi) ((WORD)(((BYTE)(lo)) | ((WORD)((BYTE)(hi))) << 8))
#define PACK_LONG(lo, hi) ((LONG)(((WORD)(lo)) | ((DWORD)((WORD)(hi))) << 16))
#define LOW_WORD(l) ((WORD)((DWORD)(l) & 0xffff))
#define HIGH_WORD(l) ((WORD)((DWORD)(l) >> 16))
#define SOCKET_VERSION PACK_WORD(2, 2)
#define PACKED_ID PACK_LONG(0x1234, 0x8765)
#define PACKED_HIGH HIGH_WORD(PACKED_ID)
#define PACKED_LOW LOW_WORD(PACK_LONG(0xABCD, 1))
#define MAKE_ERROR(sev, fac, code) ((HRESULT)(((unsigned long)(sev) << 31) | ((unsigned long)(fac) << 16) | ((unsigned long)(code))))
#define ERROR_ID MAKE_ERROR(1, 4, 0x200)

/* Token pasting, directly and after the arguments are expanded. */
#define ID_OF(n) ID_##n
#define ID_7 0x70
#define ID_SEVEN ID_OF(7)
#define CAT(a, b) a##b
#define XCAT(a, b) CAT(a, b)
#define ONE 1
#define TWELVE XCAT(ONE, 2)
#define HEX(digits) 0x##digits
#define HEX_ID HEX(1F)
#define UNSIGNED(n) n##u
#define NEGATIVE_WRAP (UNSIGNED(0) - 1)
#define PLAIN_PASTE ID_##7

/* Variadic wrappers. */
#define COUNT_ARGS(...) COUNT_(__VA_ARGS__, 3, 2, 1, 0)
#define COUNT_(a, b, c, n, ...) n
#define TWO_ARGS COUNT_ARGS(x, y)
#define FIRST(...) FIRST_(__VA_ARGS__, 0)
#define FIRST_(a, ...) (a)
#define FIRST_ID FIRST(0x31, 0x32, 0x33)
#define PLUS(a, ...) ((a) __VA_OPT__(+ ADD(__VA_ARGS__)))
#define PLUS_ONE PLUS(1)
#define PLUS_THREE PLUS(1, 2, 3)
#define EMPTY
#define PLUS_EMPTY PLUS(1, EMPTY)
#define OR_COMMA(x, ...) (x , ## __VA_ARGS__)
#define COMMA_DROPPED OR_COMMA(0x41)

/* A helper defined after the name that uses it, and calls made by
   expanding another macro. */
#define LATE_ID LATE_HELPER(3)
#define TWICE(x) ((x) * 2)
#define APPLY(f, x) f(x)
#define APPLIED APPLY(TWICE, IDS_OK)
#define HELPER_NAME TWICE
#define CALLED_LATER HELPER_NAME(0x21)
#define LATE_HELPER(x) (0x100 | (x))
#define OR_ZERO(x) (x + 0)
#define EMPTY_ARGUMENT OR_ZERO()

/* Enum members and conditions with function-like macros. */
enum {
    MEMBER_FIRST = IDS_BASE(0x20),
    MEMBER_NEXT,
    MEMBER_PACKED = PACK_WORD(MEMBER_NEXT, 1)
};
#define TOOL_VERSION 5
#define AT_LEAST(v) (TOOL_VERSION >= (v))
#if AT_LEAST(3) && !AT_LEAST(9)
#define CONDITION_ID 1
#endif

/* No integer in C: a string made by #, a helper without its arguments,
   a macro met inside its own expansion. */
#define STR(x) #x
#define NAME_TEXT STR(IDS_OK)
#define WITHOUT_ARGUMENTS IDS_BASE
#define LOOP(x) (x + LOOP(x))
#define LOOPED LOOP(1)

#endif
