typedef int pcm_format_t;
#define FMT_S16 ((pcm_format_t) 2)
typedef unsigned long u_long, *pu_long;
#define ADDR_NONE ((u_long)-1)
typedef UINT DEVICE_ID;
typedef DEVICE_ID SUB_ID;
#define ALL_DEVICES ((SUB_ID)-1)
typedef enum tagCOLOR { RED, GREEN = 5 } COLOR;
#define NO_COLOR ((COLOR)-1)
#define BY_TAG ((enum tagCOLOR)7)
typedef struct { int a; } S;
#define NOT_INTEGER ((S)0)
