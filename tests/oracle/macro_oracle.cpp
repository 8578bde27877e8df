// Checks the header reader against a C compiler: every name that uiFile
// reads from the given headers must have the same value when the compiler
// computes it after including them. The compiler is configured (for
// example for 64-bit Windows) and the reader is not: the reader reads every
// branch the header cannot decide, and the last definition it reads holds.
// So a name is compared when the last definition the compiler read of it
// (found with the compiler's own "-E -dD" listing) is the header's last
// one; names whose definitions the configuration leaves out, or chooses
// an earlier one of, are set apart, and so are names whose definitions
// use such names.
//
// It also counts the names the reader misses: those the compiler computes
// as ids that the reader gives none, and among them those whose definition
// uses a function-like macro.
//
// usage: macro_oracle [--complete] COMPILER INCLUDE-LINE... -- HEADER...
// With --complete a missing name is a failure too.
// With ORACLE_APART set in the environment it lists the names set apart,
// with ORACLE_MISSING the names missed and why the reader skipped them.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "style/uiFile.h"

namespace {

std::string Run(const std::string& command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buf[1 << 16];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, pipe.get())) > 0)
        out.append(buf, got);
    return out;
}

struct Definitions {
    std::map<std::string, std::set<int>> lines;          // name -> lines of its #define
    std::set<std::string> functionLike;                  // names whose last #define takes arguments
    std::map<std::string, std::set<int>> members;        // name -> lines that declare it as an enum member
    std::map<std::string, std::set<std::string>> uses;  // name -> identifiers its values use
};

const std::regex kDefine(R"(^\s*#\s*define\s+([A-Za-z_][A-Za-z_0-9]*)(.*)$)");
const std::regex kIdentifier(R"([A-Za-z_][A-Za-z_0-9]*)");
// "NAME," "NAME = value," "NAME" alone: a line that declares an enum member.
const std::regex kMember(R"(^\s*([A-Za-z_][A-Za-z_0-9]*)\s*(=.*|,.*|\}.*|)$)");

void AddUses(std::set<std::string>& uses, const std::string& text)
{
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kIdentifier); it != std::sregex_iterator(); ++it)
        uses.insert(it->str());
}

// Whether the reader and the compiler hold the same definition of a name
// at the end: the one on the header's last line that defines it.
bool SameLastDefinition(const std::set<int>& header, const std::set<int>& compiler)
{
    return !compiler.empty() && !header.empty() && *compiler.rbegin() == *header.rbegin();
}

// The text with each comment replaced by a space, line ends kept, so that
// words in comments are not taken for names.
std::string WithoutComments(std::istream& in)
{
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n')
                ++i;
            out += '\n';
        } else if (text.compare(i, 2, "/*") == 0) {
            const size_t close = text.find("*/", i + 2);
            const size_t end = close == std::string::npos ? text.size() : close + 2;
            out += ' ';
            out.append(static_cast<size_t>(std::count(text.begin() + i, text.begin() + end, '\n')), '\n');
            i = end - 1;
        } else if (text[i] == '"' || text[i] == '\'') {
            const char quote = text[i];
            out += text[i];
            for (++i; i < text.size() && text[i] != quote && text[i] != '\n'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    out += text[i++];
                out += text[i];
            }
            if (i < text.size())
                out += text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

// The #define lines and enum member lines of the header as written,
// continuation lines included.
Definitions ScanHeader(const std::string& path)
{
    Definitions defs;
    std::ifstream file(path);
    std::istringstream in(WithoutComments(file));
    std::string line, previousMember;
    int number = 0;
    while (std::getline(in, line)) {
        const int start = ++number;
        std::string text = line;
        while (!text.empty() && text.back() == '\\' && std::getline(in, line)) {
            ++number;
            text.back() = ' ';
            text += line;
        }
        std::smatch m;
        if (std::regex_match(text, m, kDefine)) {
            defs.lines[m[1]].insert(start);
            AddUses(defs.uses[m[1]], m[2]);
            if (m[2].str().substr(0, 1) == "(")
                defs.functionLike.insert(m[1]);
            else
                defs.functionLike.erase(m[1]);
        } else if (std::regex_match(text, m, kMember)) {
            // A member without a value counts on from the one before.
            defs.members[m[1]].insert(start);
            if (!previousMember.empty() && m[2].str().substr(0, 1) != "=")
                defs.uses[m[1]].insert(previousMember);
            AddUses(defs.uses[m[1]], m[2]);
            previousMember = m[1];
        }
    }
    return defs;
}

struct Processed {
    std::map<std::string, std::set<int>> defines;  // name -> lines of the #define the compiler read
    std::map<std::string, std::set<int>> members;  // name -> lines of the enum members it compiled
    std::set<std::string> code;                    // identifiers of the code it compiled
};

// The names whose definitions use one of the given names, directly or
// through other definitions.
std::set<std::string> UsersOf(const Definitions& defs, const std::set<std::string>& used)
{
    std::set<std::string> users;
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [name, uses] : defs.uses)
            if (!users.count(name))
                for (const std::string& u : uses)
                    if (used.count(u) || users.count(u)) {
                        users.insert(name);
                        grew = true;
                        break;
                    }
    }
    return users;
}

// Whether an expansion can be part of an expression without taking the
// lines after it along: its brackets outside quotes pair up and it ends no
// statement.
bool Balanced(const std::string& expansion)
{
    std::string open;
    for (size_t i = 0; i < expansion.size(); ++i) {
        const char c = expansion[i];
        if (c == '"' || c == '\'') {
            for (++i; i < expansion.size() && expansion[i] != c; ++i)
                if (expansion[i] == '\\')
                    ++i;  // the escaped character
        } else if (c == '(' || c == '[' || c == '{') {
            open += c;
        } else if (c == ')' || c == ']' || c == '}') {
            const char want = c == ')' ? '(' : c == ']' ? '[' : '{';
            if (open.empty() || open.back() != want)
                return false;
            open.pop_back();
        } else if (c == ';') {
            return false;
        }
    }
    return open.empty();
}

// A C assertion that the expression is an integer constant in the range of
// ids, -2^31 to 2^32 - 1.
std::string IdRange(const std::string& e)
{
    return "((" + e + ") < 0 ? (long long)(" + e + ") >= -2147483647LL - 1 : (unsigned long long)(" + e +
        ") <= 4294967295ULL)";
}

// What the compiler read of each header in its configuration, from its
// -dD listing of the prelude, by file name.
std::map<std::string, Processed> CompilerView(const std::string& listing, std::set<std::string>& functionLike)
{
    std::map<std::string, Processed> seen;
    const std::regex marker(R"re(^# (\d+) "([^"]*)".*$)re");
    std::istringstream in(listing);
    std::string line;
    Processed* file = nullptr;
    int number = 0;
    while (std::getline(in, line)) {
        std::smatch m;
        if (!line.empty() && line[0] == '#' && std::regex_match(line, m, marker)) {
            number = std::stoi(m[1]);
            file = &seen[m[2]];
            continue;
        }
        if (file && std::regex_match(line, m, kDefine)) {
            file->defines[m[1]].insert(number);
            if (m[2].str().substr(0, 1) == "(")
                functionLike.insert(m[1]);
        } else if (file) {
            if (std::regex_match(line, m, kMember))
                file->members[m[1]].insert(number);
            for (auto it = std::sregex_iterator(line.begin(), line.end(), kIdentifier); it != std::sregex_iterator(); ++it)
                file->code.insert(it->str());
        }
        ++number;
    }
    return seen;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> includes, headers;
    const bool complete = argc > 1 && std::string(argv[1]) == "--complete";
    if (complete) {
        ++argv;
        --argc;
    }
    bool afterDashes = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--")
            afterDashes = true;
        else
            (afterDashes ? headers : includes).push_back(arg);
    }
    if (argc < 2 || headers.empty()) {
        std::fprintf(stderr, "usage: %s [--complete] COMPILER INCLUDE-LINE... -- HEADER...\n", argv[0]);
        return 2;
    }
    const std::string compiler = argv[1];
    const std::string dir = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    const std::string context = dir + "/lorvex_oracle_context_" + std::to_string(getpid()) + ".c";
    const std::string check = dir + "/lorvex_oracle_check_" + std::to_string(getpid()) + ".c";
    {
        std::ofstream out(context);
        for (const std::string& inc : includes)
            out << "#include " << inc << "\n";
    }
    const std::string listing = Run(compiler + " -std=gnu11 -E -dD " + context + " 2>/dev/null");
    if (listing.empty()) {
        std::fprintf(stderr, "%s gave no listing for the includes: is it installed?\n", compiler.c_str());
        std::remove(context.c_str());
        return 1;
    }

    std::set<std::string> anyFunctionLike;
    std::map<std::string, Processed> compilerView = CompilerView(listing, anyFunctionLike);
    const bool listApart = std::getenv("ORACLE_APART") != nullptr;
    std::vector<std::pair<std::string, uint32_t>> compared;
    // Names the reader gives no id, with what their definitions use.
    struct Unread {
        std::string name;
        bool usesOwnFunctionLike;
        bool usesOtherFunctionLike;
    };
    std::vector<Unread> unread;
    std::map<std::string, std::string> skipReasons;  // what the reader says of each definition it skipped
    size_t excluded = 0, enumMembers = 0;
    for (const std::string& header : headers) {
        std::vector<std::pair<std::string, uint32_t>> names;
        const bool isHeader =
            ReadMacroHeader(
                header.c_str(), [&names](std::string_view name, uint32_t id) { names.emplace_back(name, id); },
                [&skipReasons](const header::SkippedDefinition& skip) { skipReasons[std::string(skip.name)] = skip.reason; })
                .status == MacroFileStatus::ok;
        const int count = static_cast<int>(names.size());
        if (!isHeader) {
            std::fprintf(stderr, "cannot read %s\n", header.c_str());
            std::remove(context.c_str());
            return 1;
        }
        const Definitions defs = ScanHeader(header);
        const Processed& live = compilerView[header];
        std::set<std::string> apart;
        for (const auto& [name, lines] : defs.lines) {
            const auto it = live.defines.find(name);
            if (it == live.defines.end() || !SameLastDefinition(lines, it->second))
                apart.insert(name);
        }
        for (const auto& [name, lines] : defs.members) {
            const auto it = live.members.find(name);
            if (!defs.lines.count(name) && (it == live.members.end() || !SameLastDefinition(lines, it->second)))
                apart.insert(name);
        }
        // Members declared several on a line: set apart only when the
        // compiled code does not hold them at all.
        for (const auto& n : names)
            if (!defs.lines.count(n.first) && !defs.members.count(n.first) && !live.code.count(n.first))
                apart.insert(n.first);
        for (bool grew = true; grew;) {
            grew = false;
            for (const auto& [name, used] : defs.uses)
                if (!apart.count(name))
                    for (const std::string& u : used)
                        if (apart.count(u)) {
                            apart.insert(name);
                            grew = true;
                            break;
                        }
        }
        if (listApart)
            for (const std::string& name : apart)
                std::printf("apart %s\n", name.c_str());
        size_t headerCompared = 0;
        for (const auto& n : names) {
            if (apart.count(n.first)) {
                ++excluded;
                continue;
            }
            if (!defs.lines.count(n.first))
                ++enumMembers;
            compared.push_back(n);
            ++headerCompared;
        }
        std::set<std::string> read;
        for (const auto& n : names)
            read.insert(n.first);
        std::set<std::string> otherFunctionLike;
        for (const std::string& f : anyFunctionLike)
            if (!defs.lines.count(f))
                otherFunctionLike.insert(f);
        const std::set<std::string> ownUsers = UsersOf(defs, defs.functionLike);
        const std::set<std::string> otherUsers = UsersOf(defs, otherFunctionLike);
        std::set<std::string> defined;
        for (const auto& [name, lines] : defs.lines)
            if (!defs.functionLike.count(name))
                defined.insert(name);
        for (const auto& [name, lines] : defs.members)
            defined.insert(name);
        for (const std::string& name : defined)
            if (!read.count(name) && !apart.count(name))
                unread.push_back({name, ownUsers.count(name) > 0, otherUsers.count(name) > 0});
        std::printf("%s: %d names read, %zu compared\n", header.c_str(), count, headerCompared);
    }

    // A name whose expansion is unbalanced, or calls a macro it does not
    // close, is no integer; asserting it would make the compiler's errors
    // run into the lines after it. Each is expanded first in a file of its
    // own, where such a call ends (the preprocessor says so).
    std::set<size_t> notIds;  // of unread
    if (!unread.empty()) {
        const std::string probes = dir + "/lorvex_oracle_probes_" + std::to_string(getpid());
        const std::string probeErrors = probes + ".err";
        mkdir(probes.c_str(), 0700);
        {
            std::ofstream out(check);
            for (const std::string& inc : includes)
                out << "#include " << inc << "\n";
            for (size_t i = 0; i < unread.size(); ++i) {
                const std::string file = probes + "/" + std::to_string(i) + ".h";
                std::ofstream(file) << "oracle_probe_" << i << " : " << unread[i].name << "\n";
                out << "#include \"" << file << "\"\n";
            }
        }
        std::istringstream expanded(Run(compiler + " -std=gnu11 -E -P " + check + " 2>" + probeErrors));
        const std::regex probe(R"(^oracle_probe_(\d+) : (.*)$)");
        for (std::string line; std::getline(expanded, line);) {
            std::smatch m;
            if (std::regex_match(line, m, probe) && !Balanced(m[2]))
                notIds.insert(std::stoul(m[1]));
        }
        std::ifstream errors(probeErrors);
        const std::regex probeError("^" + probes + R"(/(\d+)\.h:\d+:\d+: error)");
        for (std::string line; std::getline(errors, line);) {
            std::smatch m;
            if (std::regex_search(line, m, probeError))
                notIds.insert(std::stoul(m[1]));
        }
        for (size_t i = 0; i < unread.size(); ++i)
            std::remove((probes + "/" + std::to_string(i) + ".h").c_str());
        rmdir(probes.c_str());
        std::remove(probeErrors.c_str());
    }

    // One assertion a line, so that an error's line number names the macro.
    size_t firstLine = includes.size() + 1;
    {
        std::ofstream out(check);
        for (const std::string& inc : includes)
            out << "#include " << inc << "\n";
        for (const auto& [name, id] : compared)
            out << "_Static_assert(" << IdRange(name) << " && (unsigned int)(" << name << ") == " << id << "u, \""
                << name << "\");\n";
        // After them, whatever their errors do to the lines that follow: one
        // line for each name the reader gives no id.
        for (size_t i = 0; i < unread.size(); ++i)
            out << "_Static_assert(" << (notIds.count(i) ? "1" : IdRange(unread[i].name)) << ", \"" << unread[i].name
                << "\");\n";
    }
    // Without tracking, an error inside a macro's replacement is reported
    // on the line that uses the macro, not on the line that defines it.
    const std::string errors = Run(compiler + " -std=gnu11 -w -fsyntax-only -ftrack-macro-expansion=0 " + check + " 2>&1");
    std::set<std::string> failed;
    const std::regex errorLine("^" + check + R"(:(\d+):\d+: error)");
    std::istringstream in(errors);
    std::string line;
    while (std::getline(in, line)) {
        std::smatch m;
        if (std::regex_search(line, m, errorLine)) {
            const size_t at = std::stoul(m[1]);
            if (at >= firstLine && at - firstLine < compared.size())
                failed.insert(compared[at - firstLine].first + " (reader: " +
                              std::to_string(compared[at - firstLine].second) + ")");
            else if (at >= firstLine + compared.size() && at - firstLine - compared.size() < unread.size())
                notIds.insert(at - firstLine - compared.size());
            else
                failed.insert(line);
        }
    }
    std::remove(context.c_str());
    std::remove(check.c_str());
    for (const std::string& f : failed)
        std::printf("MISMATCH %s\n", f.c_str());
    const bool listMissing = std::getenv("ORACLE_MISSING") != nullptr;
    size_t missing = 0, ownFunctionLike = 0, otherFunctionLike = 0;
    for (size_t i = 0; i < unread.size(); ++i) {
        if (notIds.count(i))
            continue;
        ++missing;
        ownFunctionLike += unread[i].usesOwnFunctionLike;
        otherFunctionLike += unread[i].usesOtherFunctionLike && !unread[i].usesOwnFunctionLike;
        if (listMissing)
            std::printf("missing %s%s: %s\n", unread[i].name.c_str(),
                        unread[i].usesOwnFunctionLike     ? " (uses a function-like macro of its header)"
                        : unread[i].usesOtherFunctionLike ? " (uses a function-like macro of another file)"
                                                          : "",
                        skipReasons[unread[i].name].c_str());
    }
    std::printf("missing %zu names the compiler computes as ids: %zu use a function-like macro of their header, "
                "%zu only one of another file\n",
                missing, ownFunctionLike, otherFunctionLike);
    std::printf("compared %zu names (%zu enum members) with %s; %zu set apart as configuration-dependent; %zu mismatches\n",
                compared.size(), enumMembers, compiler.c_str(), excluded, failed.size());
    return failed.empty() && !compared.empty() && (!complete || missing == 0) ? 0 : 1;
}
