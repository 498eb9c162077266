// Writing the generator's lines: integer or six-decimal text, byte for byte as
// the C library prints them, and the checked open, write and close of the file.
#include "gen/output.h"

#include <cerrno>
#include <charconv>
#include <cmath>

#include "gen/interrupt.h"
#include "gen/stop.h"

int32_t sample_to_int(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return INT32_MAX;
  if (value < -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(value);
}

std::string sample_line(float value, bool floatOutput) {
  char text[64];  // the widest float (39 digits) with sign, six decimals and line end
  int length = 0;
  if (floatOutput) {
    char* end = std::to_chars(text, text + sizeof text - 1, double(value), std::chars_format::fixed, 6).ptr;
    *end++ = '\n';
    length = int(end - text);
  } else {
    char* end = std::to_chars(text, text + sizeof text, sample_to_int(value)).ptr;
    *end++ = '\n';
    length = int(end - text);
  }
  return std::string(text, size_t(length));
}

OutputFile open_output(const std::string& name) {
  // One output at a time, so one buffer serves every run of the process.
  static char buffer[1 << 16];
  OutputFile output{fopen(name.c_str(), "w"), name};
  if (output.file == nullptr) stop_on_error(2, name, errno);
  setvbuf(output.file, buffer, _IOFBF, sizeof buffer);
  return output;
}

// A write error: the stream is closed and the run ends with exit code 1.
[[noreturn]] static void fail_output(OutputFile& output) {
  int error = errno;
  check_interrupt();  // a write cut short by a signal is the interruption
  fclose(output.file);
  output.file = nullptr;
  stop_on_error(1, output.name, error);
}

void write_text(OutputFile& output, std::string_view text) {
  if (fwrite(text.data(), 1, text.size(), output.file) != text.size()) fail_output(output);
}

void write_sample(OutputFile& output, float value, bool floatOutput) {
  write_text(output, sample_line(value, floatOutput));
}

void write_zero_lines(OutputFile& output, int64_t count) {
  for (int64_t i = 0; i < count; ++i) {
    check_interrupt();
    write_text(output, "0\n");
  }
}

void release_output(OutputFile& output) {
  if (output.file != nullptr) fclose(output.file);
  output.file = nullptr;
}

void close_output(OutputFile& output) {
  if (fflush(output.file) != 0 || ferror(output.file)) fail_output(output);
  FILE* file = output.file;
  output.file = nullptr;
  if (fclose(file) != 0) stop_on_error(1, output.name, errno);
}
