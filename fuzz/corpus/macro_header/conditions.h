#if 0
#define OFF 1
#elif defined(X) || (1 ? 2 : 3) >= 2
#define ON 2
#else
#define ELSE 3
#endif
#define CHAIN_A CHAIN_B
#define CHAIN_B (CHAIN_C * 2)
#define CHAIN_C -3
#undef CHAIN_C
#define CHAIN_C 4
#define LOOP_A LOOP_B
#define LOOP_B LOOP_A
#define SELF SELF
#define F(x) (x)
