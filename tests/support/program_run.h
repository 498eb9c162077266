// Runs one of the built programs as a child process in a given folder and hands
// back what it printed on standard output and standard error and its exit code.
#pragma once
#include <string>
#include <vector>

struct ProgramResult {
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
  int code = -1;    // exit code; 128 + signal number when killed by a signal
};

// Runs `program` with `args` (the program name itself is added as argv[0]) in
// folder `dir`, feeding `input` to its standard input.
ProgramResult run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& dir, const std::string& input = "");

// The same with argv[0] given explicitly (for messages that print it).
ProgramResult run_program_as(const std::string& program, const std::string& argv0,
                             const std::vector<std::string>& args, const std::string& dir,
                             const std::string& input = "");

// The full path of a program found on the PATH, or "" when there is none.
std::string find_program(const std::string& name);
