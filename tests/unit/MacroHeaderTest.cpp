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
        {"#ifdef U\n#if 0\n#define X 1\n#endif\n#endif", "-"},
        {"#endif\n#else\n#define X 1", "1"},  // stray directives are ignored
        {"#include \"other.h\"\n#define X 1", "1"},
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

    // A long chain, each name on the one before, in either order.
    std::string forward, backward;
    for (int i = 0; i < 20000; ++i) {
        forward += "#define F" + std::to_string(i) + " (F" + std::to_string(i + 1) + " + 1)\n";
        backward += "#define X" + std::to_string(i + 1) + " (X" + std::to_string(i) + " + 1)\n";
    }
    EXPECT_EQ(ValueOfX(forward + "#define F20000 0\n#define X F0"), "20000");
    EXPECT_EQ(ValueOfX("#define X0 0\n" + backward + "#define X X20000"), "20000");
}

}  // namespace
