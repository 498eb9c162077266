// The output text file: one value a line, written through a buffered stream
// whose every write, flush and close is checked.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

struct OutputFile {
  FILE* file = nullptr;
  std::string name;
};

// A sample's integer line value: truncated toward zero, clamped to the 32-bit
// range, 0 for NaN.
int32_t sample_to_int(float value);

// The line for one sample: "%d\n" of the integer value, or "%.6f\n" of the value.
std::string sample_line(float value, bool floatOutput);

// Creates or truncates the file; one that cannot be opened ends the run with
// "name: reason" on standard error and exit code 2.
OutputFile open_output(const std::string& name);

void write_text(OutputFile& output, std::string_view text);
void write_sample(OutputFile& output, float value, bool floatOutput);

// Writes `count` lines "0"; none for a count of 0 or below.
void write_zero_lines(OutputFile& output, int64_t count);

// Flushes and closes; a failed write ends the run with exit code 1.
void close_output(OutputFile& output);
// Closes without checks (after a stop), keeping what was written.
void release_output(OutputFile& output);
