// Loading a C header through uiFile against "gcc -E -dM" on the same file,
// whole process against whole process: each iteration starts the program and
// waits for it, output to /dev/null. A third figure is the load alone, in
// this process, without the start-up and printing around it.
//
// usage: bench_macro_header HEADER [benchmark flags]
//        bench_macro_header --load HEADER   (the companion: prints NAME ID)
// bench/macro_vs_gcc.sh generates the header, checks that both sides agree
// on names and values, and runs this.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "style/uiFile.h"

extern char** environ;

namespace {

// Prints the table as gcc prints its listing: through one buffer, written
// whenever it fills.
int Load(const char* path)
{
    NameIdNode* head = nullptr;
    const int count = uiFile::GetMacroNameIdFromFile(&head, path);
    static char out[1 << 16];
    size_t used = 0;
    for (const NameIdNode* n = head; n; n = n->next) {
        const std::string& name = n->name.GetString();
        constexpr size_t kIdDigits = 10;
        if (name.size() + kIdDigits + 2 > sizeof out - used) {
            std::fwrite(out, 1, used, stdout);
            used = 0;
        }
        if (name.size() + kIdDigits + 2 > sizeof out) {
            std::fwrite(name.data(), 1, name.size(), stdout);
        } else {
            std::memcpy(out + used, name.data(), name.size());
            used += name.size();
        }
        out[used++] = ' ';
        used = static_cast<size_t>(std::to_chars(out + used, out + sizeof out, n->id).ptr - out);
        out[used++] = '\n';
    }
    std::fwrite(out, 1, used, stdout);
    while (head) {
        NameIdNode* next = head->next;
        delete head;
        head = next;
    }
    return count < 0 ? 1 : 0;
}

// Runs argv to its end with stdout on /dev/null; false if it failed.
bool RunProcess(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_InProcess(benchmark::State& state, std::string path)
{
    for (auto _ : state) {
        NameIdNode* head = nullptr;
        if (uiFile::GetMacroNameIdFromFile(&head, path.c_str()) < 0) {
            state.SkipWithError("the header could not be read");
            break;
        }
        while (head) {
            NameIdNode* next = head->next;
            delete head;
            head = next;
        }
    }
}

void BM_Process(benchmark::State& state, std::vector<std::string> args)
{
    for (auto _ : state)
        if (!RunProcess(args)) {
            state.SkipWithError("the process failed");
            break;
        }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--load")
        return Load(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HEADER [benchmark flags] | --load HEADER\n", argv[0]);
        return 2;
    }
    const std::string self = "/proc/self/exe";
    char exe[4096];
    const ssize_t len = readlink(self.c_str(), exe, sizeof exe - 1);
    if (len <= 0)
        return 1;
    exe[len] = '\0';
    benchmark::RegisterBenchmark("load/lorvex_uiFile", BM_Process, std::vector<std::string>{exe, "--load", argv[1]})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("load/gcc_E_dM", BM_Process, std::vector<std::string>{"gcc", "-E", "-dM", argv[1]})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("load/uiFile_in_process", BM_InProcess, std::string(argv[1]))
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
