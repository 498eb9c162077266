// Running sndconv and tonemaker in-process on fuzz data: a private work folder,
// the data written to a file there, and checks that each run ended cleanly.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "driver/sndconv.h"
#include "gen/tonemaker.h"

// Quiets standard output, reads standard input from /dev/null, bounds the size
// of every file written (a write past it fails with an error instead of a
// signal) and makes the process's own work folder (in memory where possible).
void fuzz_setup();

// The process's work folder, with a trailing '/'.
const std::string& work_dir();

// Writes `size` bytes to the named file in the work folder; returns its path.
std::string write_work_file(const std::string& name, const uint8_t* data, size_t size);
std::string write_work_file(const std::string& name, const std::string& text);

// The first byte of the data as option switches; the rest is the file.
struct FuzzInput {
  uint8_t flags = 0;
  const uint8_t* data = nullptr;
  size_t size = 0;
};
FuzzInput split_flags(const uint8_t* data, size_t size);

// "-v", and one of a few output files chosen by flag bits 5 to 7 ("-" among
// them), so that the writers see the data as well; the output name ends `args`.
void add_verbose(std::vector<std::string>& args, bool on);
std::string output_choice(uint8_t flags);

// Runs a program's main function with the words (program name first). Traps on
// an exit code outside 0 to `highestCode` and on a file descriptor left open.
int run_checked(int (*programMain)(int, char**), int highestCode, const std::vector<std::string>& args);
// sndconv ends with 0 or 1; tonemaker also with 2 for an output it cannot open.
inline int run_sndconv(const std::vector<std::string>& args) { return run_checked(sndconv_main, 1, args); }
inline int run_tonemaker(const std::vector<std::string>& args) {
  return run_checked(tonemaker_main, 2, args);
}

// The data as command-line words, split at zero bytes and line feeds. Words
// that could reach outside the work folder (holding '/') become "x".
std::vector<std::string> words_of(const uint8_t* data, size_t size, size_t maxWords);

// Command-line runs work inside the work folder: the seed files are laid anew
// before each run and every other file there is removed after it.
void lay_seed_files();
void remove_other_files();

// The run of the label file targets: "-v" by flag bit 0, a label output file by
// bit 1, the options, and the data as the label file that cuts a 16-bit input.
void run_label_file(const FuzzInput& in, const std::string& fileName,
                    const std::vector<std::string>& options);

// The run of most targets: "-v" by flag bit 0, the options, the data as the
// input file of the given name, and the output chosen by flag bits 5 to 7.
inline void run_input_file(const FuzzInput& in, const std::string& fileName,
                           const std::vector<std::string>& options) {
  std::vector<std::string> args = {"sndconv"};
  add_verbose(args, in.flags & 1);
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(write_work_file(fileName, in.data, in.size));
  args.push_back(output_choice(in.flags));
  run_sndconv(args);
}

// The run of the label file targets: "-v" by flag bit 0, a label output file by
// bit 1, the options, and the data as the label file that cuts a 16-bit input.
inline void run_label_file(const FuzzInput& in, const std::string& fileName,
                           const std::vector<std::string>& options) {
  static const std::string input = write_work_file("in.voc", std::string(4000, 1));
  std::vector<std::string> args = {"sndconv"};
  add_verbose(args, in.flags & 1);
  if (in.flags & 2) args.insert(args.end(), {"-lfo", work_dir() + "out.lab"});
  args.insert(args.end(), options.begin(), options.end());
  args.insert(args.end(), {"-lf", write_work_file(fileName, in.data, in.size), input, "-"});
  run_sndconv(args);
}
