#include <gtest/gtest.h>

#include <string>

#include "style/header/HeaderReader.h"

namespace {

// "NAME=ID NAME=ID ..." for the names read from text, in list order.
std::string Read(const std::string& text)
{
    std::string out;
    const bool read = header::ReadHeader(text, [&out](std::string_view name, uint32_t id) {
        out += (out.empty() ? "" : " ") + std::string(name) + "=" + std::to_string(id);
    });
    return read ? out : "<refused>";
}

// The id of X after the given definitions, or "-" when X is skipped.
std::string ValueOfX(const std::string& body)
{
    std::string value = "-";
    header::ReadHeader(body, [&value](std::string_view name, uint32_t id) {
        if (name == "X")
            value = std::to_string(id);
    });
    return value;
}

// "line N: NAME: reason" for each definition of text that gives no name.
std::string Skips(const std::string& text)
{
    std::string out;
    header::ReadHeader(text, [](std::string_view, uint32_t) {}, [&out](const header::SkippedDefinition& skip) {
        out += "line " + std::to_string(skip.line) + ": " + std::string(skip.name) + ": " + skip.reason + "\n";
    });
    return out;
}

struct Case {
    const char* text;
    const char* expected;
};

TEST(MacroHeader, ValuesAsTheCompilerComputesThem)
{
    const Case cases[] = {
        {"#define X 10", "10"},
        {"#define X 0x1F", "31"},
        {"#define X 017", "15"},
        {"#define X 0b101", "5"},
        {"#define X 0xFFFFFFFFul", "4294967295"},
        {"#define X 42ULL", "42"},
        {"#define X 'a'", "97"},
        {"#define X '\\n'", "10"},
        {"#define X '\\x41'", "65"},
        {"#define X '\\377'", "4294967295"},  // plain char is signed
        {"#define X ((1 + 2) * 3)", "9"},
        {"#define X -1", "4294967295"},
        {"#define X -1u", "4294967295"},  // unsigned negation wraps
        {"#define X -0x80000000", "2147483648"},
        {"#define X ~0u", "4294967295"},
        {"#define X (1 << 31)", "2147483648"},
        {"#define X !0 + !5", "1"},
        {"#define X 3 > 2 ? 10 : 20", "10"},
        {"#define X 1 ? 2 : 3 ? 4 : 5", "2"},
        {"#define X 0 ? 2 : 0 ? 4 : 5", "5"},
        {"#define X (-7 / 2)", "4294967293"},
        {"#define X (-7 % 2)", "4294967295"},
        {"#define X (-8 >> 1)", "4294967292"},
        {"#define X (unsigned char)300", "44"},
        {"#define X (short)0x8000", "4294934528"},
        {"#define X ((DWORD)-1)", "4294967295"},
        {"#define X ((UINT32)0x1234)", "4660"},
        {"#define X (unsigned long)-1", "4294967295"},  // long is 32 bits on Windows
        {"#define X (int)0x80000000", "2147483648"},
        {"#define X (1u - 2)", "4294967295"},
        {"#define X (0xFFFFFFFF + 1)", "0"},
        {"#define X (-1 < 0u)", "0"},
        {"#define X (-1 < 0LL)", "1"},
        {"#define X (0xFFFFFFFFLL + 1 - 1)", "4294967295"},
        {"#define X -2147483647 - 1", "2147483648"},
        {"#define X (2 || 0) + (0 && 1)", "1"},
        {"#define X 1 ? 2u : -1", "2"},
        {"#define X (1 ? -1 : 0u) >> 1", "2147483647"},  // the arms' common type: unsigned
        {"#define X (-0x8000000000000000 == 0x8000000000000000)", "1"},  // unsigned negation wraps
        {"#define X 5 == 5 != 0 & 3 ^ 1 | 8", "8"},
        // Not integers, or not 32-bit ids: skipped.
        {"#define X 0x7FFFFFFF + 1", "-"},
        {"#define X (unsigned long long)-1", "-"},
        {"#define X 0x100000000", "-"},
        {"#define X -2147483649LL", "-"},
        {"#define X 1 / 0", "-"},
        {"#define X 1 % 0", "-"},
        {"#define X 1 << 32", "-"},
        {"#define X 1 << -1", "-"},
        {"#define X 1.5", "-"},
        {"#define X 1e3", "-"},
        {"#define X 08", "-"},
        {"#define X \"text\"", "-"},
        {"#define X 'ab'", "-"},
        {"#define X L'a'", "-"},
        {"#define X UNKNOWN + 1", "-"},
        {"#define X (HWND)0", "-"},
        {"#define X (void*)0", "-"},
        {"#define X sizeof(int)", "-"},
        {"#define X", "-"},
        {"#define X(a) 1", "-"},
        {"#define X ((1 + 2)", "-"},
        {"#define X (1 + 2))", "-"},
        {"#define X 1 ? 2", "-"},
        {"#define X 1 : 2", "-"},
        {"#define X 1 2", "-"},
        {"#define X (1, 2)", "-"},
        {"#define X 10i64", "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

TEST(MacroHeader, NamesExpandAsTokensAtTheEndOfTheFile)
{
    const Case cases[] = {
        {"#define BASE 100\n#define X (BASE + 5)", "105"},
        {"#define S 1 + 2\n#define X S * 3", "7"},  // textual, not (1 + 2) * 3
        {"#define X (A + 1)\n#define A B\n#define B 41", "42"},
        {"#define A 1\n#define X A\n#undef A\n#define A 2", "2"},
        {"#define CAST (unsigned char)\n#define X CAST 257", "1"},
        {"#define X X", "-"},
        {"#define X Y\n#define Y X", "-"},
        {"enum { X = 7 };\n#define X X", "7"},
        {"enum { E = 3 };\n#define X (E * 2)", "6"},
        {"#define X A\n#define A (X + 1)", "-"},
        // Type words are names like any other once the file gives them a
        // meaning, also after a use of them was worked out.
        {"#define DWORD 2\n#define X ((DWORD)-1)", "1"},
        {"#define Y (UINT)-1\n#define X Y\n#define UINT 3", "2"},
        {"enum { ULONG = 4 };\n#define X ((ULONG) + 1)", "5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

TEST(MacroHeader, FunctionLikeMacrosExpandAsTheCompilerExpandsThem)
{
    const Case cases[] = {
        {"#define B(n) (0x4000 + (n))\n#define X B(1)", "16385"},
        {"#define ADD(a, b) ((a) + (b))\n#define X ADD(ADD(1, 2), (3))", "6"},
        {"#define P(lo, hi) ((WORD)(((BYTE)(lo)) | ((WORD)((BYTE)(hi))) << 8))\n#define X P(0x102, 3)", "770"},
        {"#define X LATER(3)\n#define LATER(x) ((x) << 4)", "48"},
        {"#define F(x) (x + 1)\n#define X F()", "1"},
        {"#define Z() 9\n#define X Z()", "9"},
        // Arguments are expanded before they replace their parameters,
        // except next to # and ##.
        {"#define ID(n) ID_##n\n#define ID_5 55\n#define X ID(5)", "55"},
        {"#define CAT(a, b) a##b\n#define XCAT(a, b) CAT(a, b)\n#define ONE 1\n#define X XCAT(ONE, 2)", "12"},
        {"#define CAT(a, b) a##b\n#define ONE 1\n#define X CAT(ONE, 2)", "-"},
        {"#define HEX(d) 0x##d\n#define X HEX(1F)", "31"},
        {"#define S(x) #x\n#define X S(1)", "-"},
        // Variadic macros.
        {"#define F(...) G(__VA_ARGS__, 0)\n#define G(a, ...) a\n#define X F(7, 8)", "7"},
        {"#define O(a, ...) (a __VA_OPT__(+ 10))\n#define X O(1) + O(1, 2)", "12"},
        {"#define C(x, ...) (x , ## __VA_ARGS__)\n#define X C(3)", "3"},
        // A function-like name is a name until "(" follows it, also from
        // after the expansion that made it; it is never expanded inside
        // its own expansion.
        {"#define F(x) x\n#define X F", "-"},
        {"#define F(x) ((x) * 2)\n#define G F\n#define X G(4)", "8"},
        {"#define LP (\n#define F(x) x\n#define X F LP 5)", "-"},
        {"#define f(a) a*g\n#define g(a) f(a)\n#define X f(2)(9)", "-"},
        {"#define R(x) (x + R(x))\n#define X R(1)", "-"},
        // Calls C refuses.
        {"#define F(x) x\n#define X F(1, 2)", "-"},
        {"#define F(x) x\n#define X F(1", "-"},
        {"#define CAT(a, b) a##b\n#define X CAT(+, -)", "-"},
        // In conditions and enum members too.
        {"#define V(x) ((x) > 2)\n#if V(3)\n#define X 1\n#else\n#define X 2\n#endif", "1"},
        {"#define B(n) (0x10 + (n))\nenum { X = B(2) };", "18"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

TEST(MacroHeader, EnumMembersCountOnFromThePreviousValue)
{
    EXPECT_EQ(Read("#define BASE 0x10\n"
                   "typedef enum tagIds {\n  ID_A,\n  ID_B = BASE,\n  ID_C, /* c */ ID_D = ID_C + 10,\n"
                   "  ID_E = -1, ID_F\n} IDS;\n"
                   "enum class Scoped : unsigned { S1 = 5, S2 };\n"
                   "enum Named x; enum { BAD = UNKNOWN, AFTER_BAD, OK = 1 };"),
              "BASE=16 ID_A=0 ID_B=16 ID_C=17 ID_D=27 ID_E=4294967295 ID_F=0 S1=5 S2=6 OK=1");
}

TEST(MacroHeader, ListKeepsFileOrderOfTheDefinitionsThatHold)
{
    EXPECT_EQ(Read("#define B 2\n#define A 1\n#define C 3\n#undef B\n#define D 1\n#define C 4\n"),
              "A=1 D=1 C=4");
    EXPECT_EQ(Read("#define INT 7\n#define X (INT + 1)"), "INT=7 X=8");
}

TEST(MacroHeader, CommentsContinuationsAndLineEnds)
{
    EXPECT_EQ(Read("#define A 1\r#define B \\\r 2\r#define C 3"), "A=1 B=2 C=3");  // lone CRs
    EXPECT_EQ(Read("#define B \\\r\n 2\r\n#define C 3\r\n"), "B=2 C=3");
    EXPECT_EQ(Read("#define A /* one */ 1 // two\r\n"
                   "#define B \\\n  2\n"
                   "#def\\\nine C 3\n"
                   "#define D /* spans\n lines */ 4\n"
                   "/* #define HIDDEN 5 */\n"
                   "// #define HIDDEN2 6\n"
                   "#define E '/' + 0 /* ' */\n"
                   "\xEF\xBB\xBF#define F 7\n"),
              "A=1 B=2 C=3 D=4 E=47");
    EXPECT_EQ(Read("\xEF\xBB\xBF#define F 7"), "F=7");
}

TEST(MacroHeader, ConditionalsAreDecidedWhenTheFileCanDecideThem)
{
    const Case cases[] = {
        {"#if 0\n#define X 1\n#endif", "-"},
        {"#if 0\n#define X 1\n#else\n#define X 2\n#endif", "2"},
        {"#if 1\n#define X 1\n#else\n#define X 2\n#endif", "1"},
        {"#define V 5\n#if V > 3\n#define X 1\n#elif 1\n#define X 2\n#endif", "1"},
        {"#if 0\n#define X 1\n#elif 1\n#define X 2\n#else\n#define X 3\n#endif", "2"},
        {"#if 0\n#if 1\n#define X 1\n#endif\n#else\n#define X 3\n#endif", "3"},
        {"#define K\n#ifdef K\n#define X 1\n#endif", "1"},
        {"#define K\n#undef K\n#ifdef K\n#define X 1\n#endif", "-"},
        {"#define K\n#if defined(K) && !defined K\n#define X 1\n#endif", "-"},
        // Names the file does not define: every branch is read.
        {"#ifdef _WIN64\n#define X 8\n#endif", "8"},
        {"#ifndef GUARD_H\n#define GUARD_H\n#define X 1\n#endif", "1"},
        {"#if WINVER >= 0x0500\n#define X 1\n#else\n#define X 2\n#endif", "2"},
        {"#if FAMILY(DESKTOP)\n#define X 1\n#endif", "1"},
        {"#if (1 ? -1 : 0u) > 0\n#define X 1\n#else\n#define X 2\n#endif", "1"},
        {"#ifdef U\n#if 0\n#define X 1\n#endif\n#endif", "-"},
        {"#endif\n#else\n#define X 1", "1"},  // stray directives are ignored
        {"#include \"other.h\"\n#define X 1", "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

// A definition made where the file cannot tell whether the including
// program takes the branch holds its value, but conditions on its name
// depend on that program as much as the branch did.
TEST(MacroHeader, ConditionsOnNamesDefinedInUndecidedBranchesAreUndecided)
{
    EXPECT_EQ(Read("#if defined(SOME_CONFIG)\n#define FEATURE\n#endif\n"
                   "#ifdef FEATURE\n#define V 1\n#else\n#define V 2\n#endif"),
              "V=2");
    EXPECT_EQ(Read("#ifndef TOOL_VERSION\n#define TOOL_VERSION 0x0501\n#endif\n"
                   "#if TOOL_VERSION >= 0x0600\n#define NEW_ID 7\n#endif"),
              "TOOL_VERSION=1281 NEW_ID=7");
    const Case cases[] = {
        // Inside the branch that made it, the definition holds.
        {"#ifndef GUARD_H\n#define GUARD_H\n#ifndef GUARD_H\n#define X 1\n#else\n#define X 2\n#endif\n#endif", "2"},
        // An #undef and a branch after an undecided one are undecided too.
        {"#define K\n#ifdef CFG\n#undef K\n#endif\n#ifdef K\n#define X 1\n#endif", "1"},
        {"#ifdef CFG\n#elif 1\n#define K 1\n#endif\n#if K\n#define X 1\n#else\n#define X 2\n#endif", "2"},
        // A definition made where every line is read is decided again.
        {"#ifdef CFG\n#define K\n#endif\n#undef K\n#ifdef K\n#define X 1\n#endif", "-"},
        {"#if 1\n#define K 0\n#endif\n#if K\n#define X 1\n#endif", "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

// Where branches the file cannot decide define the same name, the last one
// read holds, at the place of that definition.
TEST(MacroHeader, LastBranchReadHoldsForANameDefinedInSeveral)
{
    EXPECT_EQ(Read("#ifdef _WIN64\n#define P 8\n#define Q 1\n#else\n#define P 4\n#endif"), "Q=1 P=4");
    EXPECT_EQ(Read("enum {\n#ifdef NEW\n  E = 2,\n#else\n  E = 1,\n#endif\n  F };"), "E=1 F=2");
}

TEST(MacroHeader, CastsToTheHeadersOwnIntegerTypes)
{
    const Case cases[] = {
        {"typedef int pcm_format_t;\n#define X ((pcm_format_t) 2)", "2"},
        {"typedef unsigned long u_long;\n#define X (u_long)0x10", "16"},
        {"typedef unsigned long u_long;\n#define X ((u_long)-1 >> 31)", "1"},
        {"typedef UINT DEVICE_ID;\n#define X (DEVICE_ID)-1", "4294967295"},
        {"typedef unsigned char B;\ntypedef B B2, *PB2;\n#define X ((B2)0x1FF)", "255"},
        {"typedef signed char S8;\n#define X ((S8)0x80 < 0)", "1"},
        {"typedef const short H;\n#define X (H)0x18000", "4294934528"},
        // An enum type is unsigned unless a member is negative, as gcc has it.
        {"typedef enum tagE { A, B } E;\n#define X ((E)-1 > 0)", "1"},
        {"enum tagE { A = -1 };\n#define X ((enum tagE)-1 < 0)", "1"},
        {"enum tagE { A = 1 };\ntypedef enum tagE E;\n#define X ((E)-1 >> 31)", "1"},
        {"enum Small : unsigned char { A };\n#define X ((enum Small)0x1FF)", "255"},
        // Not integer types, or not known: skipped.
        {"typedef unsigned long *PUL;\n#define X ((PUL)0)", "-"},
        {"typedef struct { int a; } S;\n#define X ((S)0)", "-"},
        {"typedef int (*F)(void);\n#define X ((F)0)", "-"},
        {"enum tagE { A = UNKNOWN };\n#define X ((enum tagE)1)", "-"},
        {"typedef __bitwise_int T;\n#define X ((T)1)", "-"},
        {"#define X ((enum Undeclared)1)", "-"},
        // A typedef of a well-known name replaces it; one the reader cannot
        // follow leaves it as it was.
        {"typedef void *WPARAM;\n#define X ((WPARAM)1)", "-"},
        {"typedef unsigned __LONG32 DWORD;\n#define X ((DWORD)-1)", "4294967295"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

// Only the operands C evaluates count: a fault or an unknown name in the
// other one changes nothing.
TEST(MacroHeader, ShortCircuitOperatorsEvaluateWhatCEvaluates)
{
    const Case cases[] = {
        {"#define X (1 ? 5 : 1/0)", "5"},
        {"#define X (0 ? 1/0 : 6)", "6"},
        {"#define X (0 && (1/0))", "0"},
        {"#define X (1 || 0x7FFFFFFF + 1)", "1"},
        {"#define X (1 ? 2u : 1/0) - 3", "4294967295"},  // the skipped side still gives the type
        {"#define D (1/0)\n#define X (0 && D)", "0"},
        {"#define X (1 && (1/0))", "-"},
        {"#define X (0 ? 1 : 1/0)", "-"},
        {"#if 1 || (1/0)\n#define X 1\n#else\n#define X 2\n#endif", "1"},
        {"#if 0 && (1/0)\n#define X 1\n#else\n#define X 2\n#endif", "2"},
        {"#if 0 && FAMILY(DESKTOP)\n#define X 1\n#else\n#define X 2\n#endif", "2"},
        {"#if defined(CFG) && CFG > 2\n#define X 1\n#else\n#define X 2\n#endif", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOfX(c.text), c.expected) << c.text;
}

TEST(MacroHeader, BadInputIsSkippedNeverFatal)
{
    EXPECT_EQ(Read(std::string("#define A 1\n\0\x01\x02", 15)), "<refused>");
    EXPECT_EQ(Read(""), "");
    EXPECT_EQ(Read("\x80\xFF\xFE garbage #define ( ) \\"), "");

    const std::string deep = std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(ValueOfX("#define X " + deep), "1");
    EXPECT_EQ(ValueOfX("#define X " + std::string(10000, '(')), "-");
    std::string negations;
    for (int i = 0; i < 10000; ++i)
        negations += "- ";
    EXPECT_EQ(ValueOfX("#define X " + negations + "1"), "1");
    EXPECT_EQ(ValueOfX("enum { X = " + deep + " };"), "1");
    EXPECT_EQ(ValueOfX("#if " + deep + "\n#define X 2\n#endif"), "2");

    EXPECT_EQ(Read("#define LONG " + std::string(10 << 20, '1') + "\n#define OK 1"), "OK=1");

    // Each level doubles the expansion: the budget stops it, the rest stays.
    std::string exponential = "#define A0 1\n";
    for (int i = 1; i <= 64; ++i)
        exponential += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " + A" +
            std::to_string(i - 1) + "\n";
    exponential += "#define X 3\n";
    EXPECT_EQ(ValueOfX(exponential), "3");

}

TEST(MacroHeader, EachDefinitionWithoutANameSaysWhereAndWhy)
{
    const std::string text = "#ifndef IDS_H\n"
                             "#define IDS_H\n"
                             "#define BASE(n) (0x100 + (n))\n"
                             "#define OK BASE(1)\n"
                             "/* two\n"
                             "   lines */ #define NO_ARGS BASE\n"
                             "#define SIZE \\\n"
                             "    sizeof(int)\n"
                             "#define MISSING OTHER_FILE_ID + 1\n"
                             "#define BIG 0x100000000\n"
                             "#define ZERO (1 / 0)\n"
                             "#define LOOP LOOP\n"
                             "enum { E_BAD = MISSING, E_NEXT, E_OK = 2 };\n"
                             "#endif\n";
    EXPECT_EQ(Read(text), "OK=257 E_OK=2");
    EXPECT_EQ(Skips(text),
              "line 2: IDS_H: is empty\n"
              "line 3: BASE: takes arguments\n"
              "line 6: NO_ARGS: uses BASE, a function-like macro, without arguments\n"
              "line 7: SIZE: uses sizeof\n"
              "line 9: MISSING: uses OTHER_FILE_ID, which the file does not define\n"
              "line 10: BIG: is 4294967296, outside the 32-bit ids\n"
              "line 11: ZERO: divides by zero\n"
              "line 12: LOOP: uses LOOP inside its own expansion\n"
              "line 13: E_BAD: uses OTHER_FILE_ID, which the file does not define\n"
              "line 13: E_NEXT: counts on from E_BAD, which has no value\n");
}

// Each level doubles: A<k> expands to 2^k ones and the "+" between them,
// so A18 needs 524,287 tokens, more than one expansion may have, while the
// file's expansions together stay far below their own bound.
TEST(MacroHeader, OneExpansionPastItsBoundGivesNoNameAndTheRestIsRead)
{
    std::string text = "#define A0 1\n";
    for (int k = 1; k <= 18; ++k)
        text += "#define A" + std::to_string(k) + " A" + std::to_string(k - 1) + " + A" + std::to_string(k - 1) + "\n";
    text += "#define AFTER 7\n";
    const std::string names = Read(text);
    EXPECT_NE(names.find(" A15=32768 "), std::string::npos) << names;
    EXPECT_EQ(names.find("A18="), std::string::npos) << names;
    EXPECT_NE(names.find(" AFTER=7"), std::string::npos) << names;
    EXPECT_NE(Skips(text).find("line 19: A18: needs more than 262144 tokens in one expansion\n"), std::string::npos);
}

// Each name of a long chain is defined through the next one, in the file
// order or against it: every name comes out, with its value.
TEST(MacroHeader, LongChainsYieldEveryName)
{
    constexpr int kLength = 100000;
    std::string forward, backward, expectedForward, expectedBackward;
    for (int i = 0; i < kLength; ++i) {
        const std::string n = std::to_string(i);
        forward += "#define F" + n + " (F" + std::to_string(i + 1) + " + 1)\n";
        expectedForward += "F" + n + "=" + std::to_string(kLength - i) + " ";
        backward += "#define B" + std::to_string(i + 1) + " (B" + n + " + 1)\n";
        expectedBackward += " B" + std::to_string(i + 1) + "=" + std::to_string(i + 1);
    }
    EXPECT_EQ(Read(forward + "#define F" + std::to_string(kLength) + " 0"),
              expectedForward + "F" + std::to_string(kLength) + "=0");
    EXPECT_EQ(Read("#define B0 0\n" + backward), "B0=0" + expectedBackward);
}

}  // namespace
