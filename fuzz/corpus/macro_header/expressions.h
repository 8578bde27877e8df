#define DIV (1 / 0)
#define SHIFT (1 << 40)
#define WIDE 0x1FFFFFFFFull
#define NEG (-2147483647 - 1)
#define CAST ((unsigned char)0x1FF + (short)-1)
#define CONT \
    (1 + \
     2)
#define STR "not /* a comment"
#define FLT 1.5e3
#define UNBAL ((1 + 2)
#define TERN (1 ? 2 : 0 ? 3 : 4)
