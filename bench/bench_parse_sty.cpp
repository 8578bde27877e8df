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
#include <new>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

#include "style/StyFormat.h"
#include "style/StyleFile.h"

// Heap accounting for the peak-memory figure, in the sizes malloc really
// hands out, switched on only for one untimed parse so that it slows no
// timed figure. Blocks freed in that window may predate it, hence signed
// counts. The benchmarks run on one thread.
namespace {
bool g_counting = false;
int64_t g_live = 0;
int64_t g_peak = 0;

void* Allocate(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    if (g_counting) {
        g_live += static_cast<int64_t>(malloc_usable_size(p));
        g_peak = std::max(g_peak, g_live);
    }
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

namespace {

// The generated file: 64 scenes; each scene's top level is 1018 groups of
// 15 resources: 5 pictures, 5 strings and 5 regions of 48 frames.
constexpr uint32_t kScenes = 64;
constexpr uint32_t kGroupsPerScene = 1018;
constexpr uint32_t kLeaves = 5;
constexpr uint32_t kFrames = 48;
constexpr uint32_t kRegionBytes = sty::kRegionBlockSize + kFrames * sty::kFrameEntrySize;
constexpr uint32_t kUnitBytes = sty::kGroupBlockSize + 3 * kLeaves * sty::kTableEntrySize +
                                kLeaves * (sty::kPicBlockSize + sty::kStringBlockSize + kRegionBytes);
constexpr uint64_t kResources = uint64_t{kScenes} * kGroupsPerScene * (1 + 3 * kLeaves);

std::string g_path;

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

template <class Record>
void PutRecord(std::vector<uint8_t>& out, const Record& record)
{
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    out.insert(out.end(), p, p + sizeof record);
}

// Writes the file scene by scene, so that generating it never holds it all.
bool Generate(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::vector<uint8_t> out;
    Put32(out, sty::kFormat);
    Put32(out, kScenes);
    Put32(out, kScenes);
    const uint32_t sceneBytes = kGroupsPerScene * (sty::kTableEntrySize + kUnitBytes);
    uint32_t pos = sty::kHeaderSize + kScenes * sty::kSceneEntrySize;
    for (uint32_t s = 0; s < kScenes; ++s) {
        SceneInfo info{};
        info.id = 0x10000 * (s + 1);
        info.offset = pos + s * sceneBytes;
        info.size = sceneBytes;
        info.width = 800;
        info.height = 480;
        info.res_num = kGroupsPerScene;
        info.child_offset = static_cast<int32_t>(info.offset);
        out.insert(out.end(), reinterpret_cast<const uint8_t*>(&info),
                   reinterpret_cast<const uint8_t*>(&info) + sty::kSceneInfoSize);
        Put32(out, kGroupsPerScene);
        Put32(out, info.offset);
    }
    for (uint32_t s = 0; s < kScenes; ++s) {
        pos += kGroupsPerScene * sty::kTableEntrySize;
        for (uint32_t g = 0; g < kGroupsPerScene; ++g)
            Put32(out, pos + g * kUnitBytes);
        for (uint32_t g = 0; g < kGroupsPerScene; ++g) {
            const uint32_t id = 0x10000 * (s + 1) + 16 * g;
            ResGroupInfo group{};
            group.type = RES_GROUP;
            group.id = id;
            group.offset = pos;
            group.width = 400;
            group.height = 100;
            group.res_num = 3 * kLeaves;
            group.child_offset = pos + sty::kGroupBlockSize;
            PutRecord(out, group);
            Put32(out, 3 * kLeaves);
            Put32(out, group.child_offset);
            uint32_t leaf = group.child_offset + 3 * kLeaves * sty::kTableEntrySize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                Put32(out, leaf + i * sty::kPicBlockSize);
            leaf += kLeaves * sty::kPicBlockSize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                Put32(out, leaf + i * sty::kStringBlockSize);
            leaf += kLeaves * sty::kStringBlockSize;
            for (uint32_t i = 0; i < kLeaves; ++i)
                Put32(out, leaf + i * kRegionBytes);
            for (uint32_t i = 0; i < kLeaves; ++i) {
                PicInfo pic{};
                pic.type = RES_PIC;
                pic.id = id + 1 + i;
                pic.width = 64;
                pic.pic_id = static_cast<uint16_t>(i);
                PutRecord(out, pic);
            }
            for (uint32_t i = 0; i < kLeaves; ++i) {
                StringInfo text{};
                text.type = RES_STRING;
                text.id = id + 6 + i;
                text.string_id = static_cast<uint16_t>(i);
                PutRecord(out, text);
            }
            for (uint32_t i = 0; i < kLeaves; ++i) {
                const uint32_t at = pos + kUnitBytes - (kLeaves - i) * kRegionBytes;
                PicRegionInfo region{};
                region.type = RES_PIC_REGION;
                region.id = id + 11 + i;
                region.offset = at;
                region.frames_num = kFrames;
                region.pic_offset = at + sty::kRegionBlockSize;
                PutRecord(out, region);
                Put32(out, kFrames);
                Put32(out, region.pic_offset);
                for (uint32_t k = 0; k < kFrames; ++k) {
                    out.push_back(static_cast<uint8_t>(k));
                    out.push_back(0);
                }
            }
            pos += kUnitBytes;
        }
        if (std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
            std::fclose(f);
            return false;
        }
        out.clear();
    }
    return std::fclose(f) == 0;
}

// The file read as ParseFile reads it (the file is well below 1 GiB, so in
// one call).
StyleBytes ReadPlain(const std::string& path)
{
    CFile file;
    StyleBytes bytes;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return bytes;
    bytes.resize(static_cast<size_t>(file.GetLength()));
    bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    file.Close();
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
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kResources));
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
    if (!Generate(g_path)) {
        std::fprintf(stderr, "cannot write %s\n", g_path.c_str());
        return 1;
    }
    std::printf("file: %s, %.1f MiB, %llu resources\n", g_path.c_str(), FileSize() / (1024.0 * 1024.0),
                static_cast<unsigned long long>(kResources));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);
    return 0;
}
