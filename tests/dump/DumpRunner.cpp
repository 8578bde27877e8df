#include "tests/dump/DumpRunner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/dump/Dump.h"

namespace {

// A stream whose text is read back once it is closed.
class MemoryStream {
public:
    MemoryStream() : m_file(open_memstream(&m_data, &m_size)) {}
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    ~MemoryStream()
    {
        if (m_file)
            std::fclose(m_file);
        std::free(m_data);
    }
    std::FILE* File() const { return m_file; }
    std::string Close()
    {
        std::fclose(m_file);
        m_file = nullptr;
        return std::string(m_data, m_size);
    }

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    std::FILE* m_file;
};

}  // namespace

DumpRun RunDumpWith(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"lorvex-dump"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    MemoryStream out, err;
    DumpRun run;
    run.code = RunDump(static_cast<int>(argv.size()), argv.data(), out.File(), err.File());
    run.out = out.Close();
    run.err = err.Close();
    return run;
}

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lorvex-dump-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    m_path = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
