// The header reader on generated headers, from memory: how the time grows
// with a chain of macros each defined through the next, and what calls of
// a function-like macro cost beside plain definitions of the same ids.
//
//   build/bench/bench/bench_macro_shapes [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "style/header/HeaderReader.h"

namespace {

std::string Hex(uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", v);
    return text;
}

// #define ID_<i> 0x...: the ids most headers hold.
std::string PlainDefines(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "#define ID_" + std::to_string(i) + " " + Hex(0x4000u + static_cast<uint32_t>(i)) + "\n";
    return text;
}

// The same ids through an offset helper: #define ID_<i> IDS_BASE(i).
std::string FunctionLikeUses(int n)
{
    std::string text = "#define IDS_BASE(n) (0x4000 + (n))\n";
    for (int i = 0; i < n; ++i)
        text += "#define ID_" + std::to_string(i) + " IDS_BASE(" + std::to_string(i) + ")\n";
    return text;
}

// The helper written out in each: #define ID_<i> (0x4000 + (i)).
std::string WrittenOut(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "#define ID_" + std::to_string(i) + " (0x4000 + (" + std::to_string(i) + "))\n";
    return text;
}

// #define A0 (A1 + 1) ... #define A<n> 0: each name through the next.
std::string Chain(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "#define A" + std::to_string(i) + " (A" + std::to_string(i + 1) + " + 1)\n";
    return text + "#define A" + std::to_string(n) + " 0\n";
}

// The same chain through a helper: #define A0 NEXT(A1) ...
std::string FunctionLikeChain(int n)
{
    std::string text = "#define NEXT(x) ((x) + 1)\n";
    for (int i = 0; i < n; ++i)
        text += "#define A" + std::to_string(i) + " NEXT(A" + std::to_string(i + 1) + ")\n";
    return text + "#define A" + std::to_string(n) + " 0\n";
}

void Read(benchmark::State& state, std::string (*make)(int))
{
    const std::string text = make(static_cast<int>(state.range(0)));
    size_t names = 0;
    for (auto _ : state) {
        names = 0;
        header::ReadHeader(text, [&names](std::string_view, uint32_t) { ++names; });
        benchmark::DoNotOptimize(names);
    }
    if (names != static_cast<size_t>(state.range(0)) && names != static_cast<size_t>(state.range(0)) + 1)
        state.SkipWithError("not every name was read");
    state.counters["names"] = static_cast<double>(names);
    state.counters["bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK_CAPTURE(Read, plain_defines, PlainDefines)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Read, function_like_uses, FunctionLikeUses)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Read, written_out, WrittenOut)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Read, chain, Chain)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Read, function_like_chain, FunctionLikeChain)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
