// The run's input and output streams with their names, and the checked reads
// and writes: a read or write error ends the run with the name and the reason.
#pragma once
#include <array>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct InStream {
  FILE* file = nullptr;
  std::string name;                // for messages: the file name, or "stdin"
  std::unique_ptr<char[]> buffer;  // the stream's buffer, when the run gave it one
  int64_t position = 0;            // bytes taken by read_items and moved over by the positioning below
};

struct OutStream {
  FILE* file = nullptr;
  std::string name;                // for messages: the file name, or "stdout"
  std::unique_ptr<char[]> buffer;  // the stream's buffer, when the run gave it one
};

// fread of up to `count` items; returns the whole items read. A read error that
// is not the end of the file ends the run.
size_t read_items(InStream& in, void* items, size_t size, size_t count);
// Moves the input by `bytes` from where it stands, or to byte `target` of the
// stream. An input that cannot seek (a pipe) is read and discarded forward to
// the place; false (errno set, ESPIPE for a place behind a pipe's position)
// when the place cannot be reached that way either.
bool skip_input(InStream& in, int64_t bytes);
bool position_input(InStream& in, int64_t target);
// Exactly `count` header bytes, or the run ends with "header of <inname> ends early".
void read_header_bytes(InStream& in, const std::string& inname, uint8_t* bytes, size_t count);
// Ends the run if the input has seen a read error (after formatted reads).
void check_read(InStream& in);
// The next whitespace-separated token, whole, as "%s" reads it; false at the end.
bool read_token(InStream& in, std::string& token);

// Ends the run for a failed write on the stream: its name and the reason, or the
// interruption when a signal cut the write short (a full pipe, a closed reader).
[[noreturn]] void stop_on_write_error(const OutStream& out);
// Writes all bytes or ends the run with the stream's name and the reason.
void write_bytes(OutStream& out, const void* bytes, size_t count);
inline void write_text(OutStream& out, std::string_view text) { write_bytes(out, text.data(), text.size()); }
// printf-style text to an output stream, checked like write_bytes.
void write_format(OutStream& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Flushes and closes a stream, checking both. Standard output is only flushed:
// it stays open for the process.
void close_output(OutStream& out);
// Closes whatever is still open, without checks (after a stop).
void release_output(OutStream& out);
// close_output when `checked`, release_output otherwise.
void end_output(OutStream& out, bool checked);

// printf-formatted text: in `small` when it fits, else in `large`. A format
// error ends the run with the stream's name.
std::string_view format_text(std::array<char, 256>& small, std::vector<char>& large, const std::string& name,
                             const char* format, va_list args);
