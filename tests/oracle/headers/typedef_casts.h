/* Casts to the header's own integer types: typedefs of keywords, of
   well-known names and of earlier typedefs, and enum types. */
#ifndef ORACLE_TYPEDEF_CASTS_H
#define ORACLE_TYPEDEF_CASTS_H

typedef int pcm_format_t;
#define FMT_S8 ((pcm_format_t) 0)
#define FMT_S16 ((pcm_format_t) 2)

typedef unsigned long u_long_t;
#define ADDR_ANY (u_long_t)0x00000000
#define ADDR_NONE ((u_long_t)-1)
#define ADDR_SHIFTED (((u_long_t)-1) >> 4)

typedef UINT DEVICE_ID;
#define ALL_DEVICES ((DEVICE_ID)-1)
typedef DEVICE_ID SUB_DEVICE_ID;
#define SUB_HALF (((SUB_DEVICE_ID)-1) / 2)

typedef unsigned char small_t, *small_ptr_t;
#define SMALL_WRAP ((small_t)0x1FF)
typedef signed char tiny_t;
#define TINY_NEGATIVE ((tiny_t)0xFF)
typedef const short half_t;
#define HALF_NEGATIVE ((half_t)0x8000 < 0)

typedef enum tagCOLOR { COLOR_RED, COLOR_GREEN = 5 } COLOR;
#define COLOR_NONE ((COLOR)-1)
#define COLOR_NONE_ABOVE_ZERO (((COLOR)-1) > 0)
#define COLOR_BY_TAG ((enum tagCOLOR)7)

enum LEVEL { LEVEL_LOW = -1, LEVEL_HIGH = 1 };
#define LEVEL_ALL_BITS ((enum LEVEL)0xFFFFFFFF)
#define LEVEL_BELOW_ZERO (((enum LEVEL)0xFFFFFFFF) < 0)
typedef enum LEVEL LEVEL_T;
#define LEVEL_T_BELOW_ZERO (((LEVEL_T)-1) < 0)

typedef long long wide_t;
#define WIDE_ROUND_TRIP (((wide_t)1 << 40) >> 40)
typedef unsigned long long uwide_t;
#define UWIDE_LOW_BITS ((unsigned int)((uwide_t)-1))

#endif
