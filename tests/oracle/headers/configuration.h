/* Definitions made under conditions the header cannot decide, and
   operands C does not evaluate. */
#ifndef ORACLE_CONFIGURATION_H
#define ORACLE_CONFIGURATION_H

/* Set only when the including program configures it: conditions on it
   are not decided, and the last branch read holds. */
#if defined(ORACLE_SOME_CONFIG)
#define ORACLE_FEATURE
#endif
#ifdef ORACLE_FEATURE
#define VARIANT 1
#else
#define VARIANT 2
#endif

#ifndef ORACLE_TOOL_VERSION
#define ORACLE_TOOL_VERSION 0x0501
#endif
#if ORACLE_TOOL_VERSION >= 0x0600
#define NEWER_ID 7
#else
#define OLDER_ID 6
#endif

/* A condition whose right side C does not evaluate. */
#if 0 && (1 / 0)
#define SHORT_CIRCUIT_ID 2
#else
#define SHORT_CIRCUIT_ID 1
#endif
#define CHOSEN_OPERAND (1 ? 5 : 1 / 0)
#define SKIPPED_OPERAND (0 && (1 / 0))
enum { ENUM_CHOSEN = 0 ? 1 / 0 : 9 };

#define NEGATIVE_UNSIGNED -1u
#define NEGATIVE_HEX -0x80000000

#endif
