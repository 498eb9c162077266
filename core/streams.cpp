// Checked reads and writes on the run's streams. Every output byte of sndconv
// passes through write_bytes, so no write error can go unnoticed.
#include "core/streams.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>

#include "core/interrupt.h"
#include "core/stop.h"

// A read cut short by a signal is the interruption, not an error of the file.
[[noreturn]] static void stop_on_read_error(const InStream& in) {
  const int reason = errno;
  check_interrupt();
  errno = reason;
  stop_on_errno(in.name);
}

void stop_on_write_error(const OutStream& out) {
  const int reason = errno;
  check_interrupt();
  errno = reason;
  stop_on_errno(out.name);
}

size_t read_items(InStream& in, void* items, size_t size, size_t count) {
  size_t got = fread(items, size, count, in.file);
  if (got < count && ferror(in.file)) stop_on_read_error(in);
  in.position += static_cast<int64_t>(got * size);
  return got;
}

// Reads and drops `bytes`, or up to the end of the input.
static void discard_input(InStream& in, int64_t bytes) {
  static char scrap[1 << 16];
  while (bytes > 0) {
    const size_t piece = static_cast<size_t>(std::min<int64_t>(bytes, sizeof scrap));
    const size_t got = read_items(in, scrap, 1, piece);
    if (got < piece) return;
    bytes -= static_cast<int64_t>(got);
  }
}

// The position counts every byte a binary input gave, so a move is a positioning.
bool skip_input(InStream& in, int64_t bytes) { return bytes == 0 || position_input(in, in.position + bytes); }

bool position_input(InStream& in, int64_t target) {
  if (fseeko(in.file, target, SEEK_SET) == 0) {
    in.position = target;
    return true;
  }
  if (errno != ESPIPE || target < in.position) return false;
  discard_input(in, target - in.position);
  return true;
}

void read_header_bytes(InStream& in, const std::string& inname, uint8_t* bytes, size_t count) {
  if (read_items(in, bytes, 1, count) != count) stop_with(1, "header of %s ends early\n", inname.c_str());
}

void check_read(InStream& in) {
  if (ferror_unlocked(in.file)) stop_on_read_error(in);
}

bool read_token(InStream& in, std::string& token) {
  token.clear();
  int c;
  do c = getc_unlocked(in.file);
  while (c != EOF && isspace(c));
  while (c != EOF && !isspace(c)) {
    token.push_back(static_cast<char>(c));
    c = getc_unlocked(in.file);
  }
  if (c != EOF)
    ungetc(c, in.file);
  else
    check_read(in);
  return !token.empty();
}

void write_bytes(OutStream& out, const void* bytes, size_t count) {
  if (count == 0) return;
  if (fwrite(bytes, 1, count, out.file) != count) stop_on_write_error(out);
}

std::string_view format_text(std::array<char, 256>& small, std::vector<char>& large, const std::string& name,
                             const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  const int n = vsnprintf(small.data(), small.size(), format, args);
  if (n < 0) {
    va_end(again);
    stop_on_errno(name);
  }
  const auto length = static_cast<size_t>(n);
  if (length < small.size()) {
    va_end(again);
    return {small.data(), length};
  }
  large.resize(length + 1);
  vsnprintf(large.data(), large.size(), format, again);
  va_end(again);
  return {large.data(), length};
}

void write_format(OutStream& out, const char* format, ...) {
  std::array<char, 256> small;
  std::vector<char> large;
  va_list args;
  va_start(args, format);
  const std::string_view text = format_text(small, large, out.name, format, args);
  va_end(args);
  write_text(out, text);
}

void close_output(OutStream& out) {
  if (out.file == nullptr) return;
  FILE* file = out.file;
  out.file = nullptr;
  if (file == stdout) {
    if (fflush(stdout) != 0 || ferror(stdout)) stop_on_write_error(out);
    return;
  }
  bool failed = fflush(file) != 0 || ferror(file);
  int reason = errno;
  if (fclose(file) != 0)
    failed = true;
  else if (failed)
    errno = reason;
  if (failed) stop_on_write_error(out);
}

void end_output(OutStream& out, bool checked) {
  if (checked)
    close_output(out);
  else
    release_output(out);
}

void release_output(OutStream& out) {
  if (out.file != nullptr && out.file != stdout) fclose(out.file);
  out.file = nullptr;
}
