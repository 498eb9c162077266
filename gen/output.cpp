// Writing the generator's lines: integer or six-decimal text, byte for byte as
// the C library prints them, and the checked open, write and close of the file.
#include "gen/output.h"

#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

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
  while (output.file == nullptr) {
    if (errno != EINTR) stop_on_error(2, name, errno);
    check_interrupt();  // a signal while waiting for the reader of a FIFO
    output.file = fopen(name.c_str(), "w");
  }
  setvbuf(output.file, buffer, _IOFBF, sizeof buffer);
  return output;
}

// The end of the file's last whole line, read back through a descriptor of its
// own (the output's is write-only); the whole file when it cannot be read.
static off_t end_of_last_line(int fd, off_t size) {
  const int reader = open(("/proc/self/fd/" + std::to_string(fd)).c_str(), O_RDONLY | O_CLOEXEC);
  if (reader < 0) return size;
  char piece[4096];
  off_t end = size;
  while (end > 0) {
    const off_t start = end > off_t(sizeof piece) ? end - off_t(sizeof piece) : 0;
    const size_t length = size_t(end - start);
    const char* newline = nullptr;
    if (pread(reader, piece, length, start) != ssize_t(length)) {
      end = size;
      break;
    }
    newline = static_cast<const char*>(memrchr(piece, '\n', length));
    end = newline != nullptr ? start + (newline - piece) + 1 : start;
    if (newline != nullptr) break;
  }
  close(reader);
  return end;
}

// Closes the file keeping its whole lines only: what could not be written is
// dropped and a line cut short by the failure is cut off.
static void close_whole_lines(OutputFile& output) {
  if (fflush(output.file) != 0 || ferror(output.file)) __fpurge(output.file);
  const int fd = fileno(output.file);
  struct stat status;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    const off_t keep = end_of_last_line(fd, status.st_size);
    if (keep < status.st_size && ftruncate(fd, keep) != 0) {
      // The file stays as it was; the failure that led here is reported anyway.
    }
  }
  fclose(output.file);
  output.file = nullptr;
}

// A write error: the file keeps its whole lines and the run ends with exit code 1.
[[noreturn]] static void fail_output(OutputFile& output) {
  int error = errno;
  close_whole_lines(output);
  check_interrupt();  // a write cut short by a signal is the interruption
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
  if (output.file != nullptr) close_whole_lines(output);
}

void close_output(OutputFile& output) {
  if (fflush(output.file) != 0 || ferror(output.file)) fail_output(output);
  FILE* file = output.file;
  output.file = nullptr;
  if (fclose(file) != 0) stop_on_error(1, output.name, errno);
}
