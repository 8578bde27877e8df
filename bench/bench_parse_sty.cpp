// Parse throughput of the style reader on a generated file of about 64 MiB
// holding about a million resources, against plainly reading the same bytes.
// Figures: bytes_per_second and items_per_second (resources) of ParseFile,
// parse_read_ratio (parse time over read time, same process, same bytes),
// and peak heap during one parse as MiB and as a multiple of the file size.
//
// How each side is measured. "Read" is what ParseFile's own read step does:
// open the file, size a fresh StyleBytes buffer (not zeroed) and read the
// file into it from the page cache, then free it. "Parse" is the whole
// ParseFile, that read included, plus building the document. Both sides get
// their buffer from the same heap: main() keeps freed memory in the process
// for both alike (LORVEX_COLD_HEAP=1 makes both map fresh pages instead).
// BM_ReadFile and BM_ParseFile also free what they built inside the timed
// loop; BM_ParseReadRatio times read and parse alternately in each iteration
// and leaves freeing the buffer and the document out of both times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

#include "bench/LargeStyFile.h"
#include "style/StyleFile.h"

// Heap accounting for the peak-memory figure, in the sizes malloc really
// hands out, switched on only for one untimed parse so that it slows no
// timed figure. Blocks freed in that window may predate it, hence signed
// counts. The benchmarks run on one thread.
namespace {
bool g_counting = false;
int64_t g_live = 0;
int64_t g_peak = 0;

void Count(void* p)
{
    if (g_counting) {
        g_live += static_cast<int64_t>(malloc_usable_size(p));
        g_peak = std::max(g_peak, g_live);
    }
}

void* Allocate(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    Count(p);
    return p;
}

void* AllocateAligned(size_t size, std::align_val_t align)
{
    void* p = nullptr;
    if (posix_memalign(&p, std::max(static_cast<size_t>(align), sizeof(void*)), size ? size : 1) != 0)
        throw std::bad_alloc();
    Count(p);
    return p;
}

void Release(void* p) noexcept
{
    if (p && g_counting)
        g_live -= static_cast<int64_t>(malloc_usable_size(p));
    std::free(p);
}
}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
// The standard memory resources allocate with an alignment: a document's
// arenas come through these.
void* operator new(size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void* operator new[](size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void operator delete(void* p, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { Release(p); }

namespace {

std::string g_path;

// The file read as ParseFile reads it.
StyleBytes ReadPlain(const std::string& path)
{
    StyleBytes bytes;
    if (!CFile().ReadWholeFile(path.c_str(), std::numeric_limits<uint32_t>::max(), bytes))
        bytes.clear();
    return bytes;
}

uint64_t FileSize()
{
    return std::filesystem::file_size(g_path);
}

void BM_ReadFile(benchmark::State& state)
{
    for (auto _ : state) {
        StyleBytes bytes = ReadPlain(g_path);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize()));
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

// Peak heap above what was live before, over one parse and its destruction.
int64_t CountPeak()
{
    g_live = 0;
    g_peak = 0;
    g_counting = true;
    {
        StyleFile file;
        file.ParseFile(g_path.c_str());
    }
    g_counting = false;
    return g_peak;
}

void BM_ParseFile(benchmark::State& state)
{
    const int64_t peak = CountPeak();
    for (auto _ : state) {
        StyleFile file;
        if (!file.ParseFile(g_path.c_str())) {
            state.SkipWithError(file.GetParseResult().Message().c_str());
            return;
        }
        benchmark::DoNotOptimize(file.scenes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kLargeStyResources));
    state.counters["peak_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["peak_per_file"] = static_cast<double>(peak) / static_cast<double>(FileSize());
}
BENCHMARK(BM_ParseFile)->Unit(benchmark::kMillisecond);

// Both in each iteration, so that the page cache and the machine's state are
// the same for the two; the parse is timed without freeing the document.
void BM_ParseReadRatio(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration read{}, parse{};
    for (auto _ : state) {
        auto start = Clock::now();
        {
            StyleBytes bytes = ReadPlain(g_path);
            benchmark::DoNotOptimize(bytes.data());
            read += Clock::now() - start;
        }
        StyleFile file;
        start = Clock::now();
        const int ok = file.ParseFile(g_path.c_str());
        parse += Clock::now() - start;
        if (!ok) {
            state.SkipWithError(file.GetParseResult().Message().c_str());
            return;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = std::chrono::duration<double, std::milli>(read).count() / n;
    state.counters["parse_ms"] = std::chrono::duration<double, std::milli>(parse).count() / n;
    state.counters["parse_read_ratio"] =
        std::chrono::duration<double>(parse).count() / std::chrono::duration<double>(read).count();
}
BENCHMARK(BM_ParseReadRatio)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // Keep freed memory in the process, so that the figures measure the
    // reading and parsing rather than the kernel mapping fresh pages, which
    // otherwise varies from run to run with malloc's trimming. LORVEX_COLD_HEAP=1
    // leaves malloc's defaults for the one-shot, fresh-process picture.
    if (!std::getenv("LORVEX_COLD_HEAP")) {
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    const auto dir = std::filesystem::temp_directory_path() / ("lorvex-bench-sty-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    g_path = (dir / "large.sty").string();
    if (!WriteLargeStyFile(g_path)) {
        std::fprintf(stderr, "cannot write %s\n", g_path.c_str());
        return 1;
    }
    std::printf("file: %s, %.1f MiB, %llu resources\n", g_path.c_str(), FileSize() / (1024.0 * 1024.0),
                static_cast<unsigned long long>(kLargeStyResources));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);
    return 0;
}
