#define BASE(n) (0x4000 + (n))
#define ADD(a, b) ((a) + (b))
#define PACK(lo, hi) ((WORD)(((BYTE)(lo)) | ((WORD)((BYTE)(hi))) << 8))
#define ID(n) ID_##n
#define ID_3 3
#define CAT(a, b) a##b
#define XCAT(a, b) CAT(a, b)
#define STR(x) #x
#define FIRST(...) FIRST_(__VA_ARGS__, 0)
#define FIRST_(a, ...) a
#define OPT(a, ...) (a __VA_OPT__(+ ADD(__VA_ARGS__)))
#define COMMA(x, ...) (x , ## __VA_ARGS__)
#define SELF(x) (x + SELF(x))
#define f(a) a*g
#define g(a) f(a)
#define A BASE(1)
#define B ADD(BASE(2), (3, 4))
#define C PACK(1, 2)
#define D ID(3)
#define E XCAT(ID_, 3)
#define F STR(A)
#define G FIRST(7, 8)
#define H OPT(1) + OPT(1, 2, 3)
#define I COMMA(5)
#define J SELF(1)
#define K f(2)(9)
#define L BASE
#define M BASE(1
#define N CAT(+, -)
#define O LATER(2)
#define LATER(x) (x << 4)
#define BAD(a, a) a
#define BAD2(a) # 1
#if BASE(0) > 0x3FFF && defined(ADD)
enum { P = BASE(9), Q, R = ADD(Q, 1) };
#endif
