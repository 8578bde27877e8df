#if defined(SOME_CONFIG)
#define FEATURE
#endif
#ifdef FEATURE
#define V 1
#elif 0 && (1 / 0)
#define V 3
#else
#define V 2
#endif
#ifndef TOOL_VERSION
#define TOOL_VERSION 0x0501
#endif
#if TOOL_VERSION >= 0x0600 || FAMILY(DESKTOP)
#define NEW_ID (1 ? 7 : 1 / 0)
#endif
#define CHAIN_0 (CHAIN_1 + 1)
#define CHAIN_1 (CHAIN_2 + 1)
#define CHAIN_2 -1u
