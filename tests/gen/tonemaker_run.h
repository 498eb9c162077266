// Runs the built tonemaker in a fresh folder and hands back what it printed,
// its exit code, and the lines of the file it wrote.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

struct ToneRun {
  ProgramResult result;
  std::vector<std::string> lines;  // lines of `file`, empty when it was not written
  bool written = false;
};

inline std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs tonemaker with `args` and reads back `file` (the default output name unless given).
inline ToneRun run_tone(const std::vector<std::string>& args, const std::string& file = "tonemaker.asc") {
  TempDir dir;
  ToneRun run;
  run.result = run_program_as(TONEMAKER_BIN, "tonemaker", args, dir.path());
  run.written = dir.exists(file);
  if (run.written) run.lines = split_lines(dir.read(file));
  return run;
}

// The integer lines of a run, as numbers.
inline std::vector<long> line_values(const ToneRun& run) {
  std::vector<long> values;
  for (const auto& line : run.lines) values.push_back(std::stol(line));
  return values;
}
