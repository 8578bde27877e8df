// Runs lorvex-dump in process and keeps what it printed.
#pragma once

#include <string>
#include <vector>

struct DumpRun {
    int code;
    std::string out;
    std::string err;
};

// args are the arguments after the program name.
DumpRun RunDumpWith(const std::vector<std::string>& args);

// A folder of the test's own under the system's temporary folder, removed
// with everything in it when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir();
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::string ReadText(const std::string& path);
