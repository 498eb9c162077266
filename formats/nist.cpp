// NIST SPHERE input: the text header with its length line, the fields the run
// takes from it (rate, sample count, speaker id, transliteration), the -N display.
#include "formats/nist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/stop.h"
#include "core/value_scan.h"

namespace {

// Longest lines the length scan and the display take (their line buffers hold
// one character more for the terminator).
constexpr size_t lengthScanLine = 255;
constexpr size_t displayLine = 1023;

[[noreturn]] void header_corrupt() { stop_with(1, "NIST header is corrupt \n"); }

// The header text: the buffer up to its first zero byte.
std::string_view text_of(const std::array<char, 2048>& header) {
  return std::string_view(header.data(), strnlen(header.data(), header.size()));
}

void print_line(const char* format, std::string_view line) {
  printf(format, static_cast<int>(line.size()), line.data());
}

// The line that starts at `from`, without its line feed; `from` moves past the
// line feed. A line with no line feed or longer than `longest` is corrupt.
std::string_view take_line(std::string_view text, size_t& from, size_t longest) {
  const size_t end = text.find('\n', from);
  if (end == std::string_view::npos || end - from > longest) header_corrupt();
  const std::string_view line = text.substr(from, end - from);
  from = end + 1;
  return line;
}

// The header type and the length line, shown with -v; returns the length line.
std::string_view take_first_lines(std::string_view text, size_t& from, size_t longest) {
  const std::string_view type = take_line(text, from, longest);
  if (verbose) print_line("Headertype: %.*s \n", type);
  const std::string_view length = take_line(text, from, longest);
  if (verbose) print_line("Length: %.*s \n", length);
  return length;
}

// A decimal integer as "%lld" reads it, held to the 64-bit range; nothing when
// the text does not begin with one.
std::optional<int64_t> number_in(std::string_view text) {
  int64_t value = 0;
  if (!parse_int64(std::string(text), value)) return std::nullopt;
  return value;
}

// Header values become parts of composed file names: a '/' or a control byte
// would lead the name out of the output's folder, so each becomes '_'.
std::string name_safe(std::string value) {
  for (char& c : value)
    if (c == '/' || static_cast<unsigned char>(c) < 32) c = '_';
  return value;
}

// Up to `count` characters from `from`, cut at the end of the text.
std::string piece(std::string_view text, size_t from, size_t count) {
  if (from >= text.size()) return "";
  return std::string(text.substr(from, count));
}

}  // namespace

// The header text, lines ending with a line feed:
//
//   NIST_1A                           header type
//      1024                           header length in bytes, samples follow it
//   speaker_id -s3 abc                three characters from the 15th after the name
//   transliteration -s11 hello world  from the 20th character after its start
//   sample_rate -i 16000              -> rate
//   sample_count -i 48000             -> length
//   ...                               other fields are not used
//   end_head
void read_nist_header(RunSettings& s, RunState& run, NistState& nist) {
  std::array<char, 2048>& header = nist.header;
  read_items(run.input, header.data(), 1, header.size());
  const int headerLength = nist_header_length(text_of(header));
  if (verbose) printf("NIST header length: %d \n", headerLength);
  if (headerLength > static_cast<int>(header.size())) stop_with(1, "NIST header is too long \n");
  if (!position_input(run.input, 0)) stop_on_errno(run.input.name);
  read_items(run.input, header.data(), 1, static_cast<size_t>(headerLength));
  if (s.showNistHeader) {
    // Shown as the buffer holds it (the stated length re-read in front of what
    // the first read brought) up to "end_head", or to the end of that text.
    show_nist_header(text_of(header));
    stop_run(0);
  }
  nist_speaker_info(header, s.speakerId, s.transliteration);
  const std::string_view text = text_of(header);
  s.rate = clamp_to_int32(nist_field(text, "sample_rate"));
  s.length = nist_field(text, "sample_count");
  printf("sampling rate: %ld\n", static_cast<long>(s.rate));
  printf("length: %lld\n", static_cast<long long>(s.length));
}

int nist_header_length(std::string_view text) {
  size_t from = 0;
  const std::optional<int64_t> length = number_in(take_first_lines(text, from, lengthScanLine));
  if (!length || *length < 0) header_corrupt();
  return static_cast<int>(clamp_to_int32(*length));
}

void show_nist_header(std::string_view text) {
  size_t from = 0;
  take_first_lines(text, from, displayLine);
  while (from < text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    if (end - from > displayLine) header_corrupt();
    const std::string_view line = text.substr(from, end - from);
    from = end + 1;
    print_line("%.*s \n", line);
    if (line == "end_head") return;
  }
}

void nist_speaker_info(std::array<char, 2048>& header, std::string& speakerId, std::string& transliteration) {
  header.back() = 0;
  printf("%.7s\n", header.data());
  printf("%.7s\n", header.data() + 8);
  const std::string_view text = text_of(header);
  size_t at = text.find("speaker_id");
  if (at != std::string_view::npos) {
    speakerId = name_safe(piece(text, at + 15, 3));
    printf("id: %s\n", speakerId.c_str());
  }
  at = text.find("transliteration -s");
  if (at == std::string_view::npos) return;
  size_t from = std::min(at + 20, text.size());
  while (from < text.size() && text[from] == ' ') ++from;
  const std::string_view rest = text.substr(from);
  std::string value(rest.substr(0, rest.find('\n')));
  for (char& c : value)
    if (c == ' ') c = '_';
  transliteration = name_safe(value);
  printf("tr: %s\n", transliteration.c_str());
}

int64_t nist_field(std::string_view text, std::string_view name) {
  const size_t at = text.find(name);
  if (at == std::string_view::npos) return -1;
  const size_t type = text.find("-i", at);
  if (type == std::string_view::npos) return -1;
  return number_in(text.substr(type + 2)).value_or(-1);
}
