// What the header says about a question that the program including it may
// decide instead: whether a name is defined, whether a condition holds.
#pragma once

namespace header {

enum class Verdict : unsigned char { False, True, ProgramDecides };

}  // namespace header
