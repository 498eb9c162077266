// NIST SPHERE input: the text header with its length line, the fields the run
// takes from it (rate, count, speaker id, transliteration, coding, byte order,
// channels), the -N display. Fields count only within the stated length.
#include "formats/nist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/stop.h"
#include "core/value_scan.h"
#include "formats/coding.h"

namespace {

// Longest lines the length scan and the display take (their line buffers hold
// one character more for the terminator).
constexpr size_t lengthScanLine = 255;
constexpr size_t displayLine = 1023;

[[noreturn]] void header_corrupt() { stop_with(1, "NIST header is corrupt \n"); }

// The header text: the first `size` bytes of the buffer, up to a zero byte.
std::string_view text_of(const std::array<char, 2048>& header, size_t size = 2048) {
  return std::string_view(header.data(), strnlen(header.data(), std::min(size, header.size())));
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
// (DEL too) would lead the name out of the output's folder, so each becomes '_'.
std::string name_safe(std::string value) {
  for (char& c : value)
    if (c == '/' || static_cast<unsigned char>(c) < 32 || c == 127) c = '_';
  return value;
}

// Up to `count` characters from `from`, cut at the end of the text.
std::string piece(std::string_view text, size_t from, size_t count) {
  if (from >= text.size()) return "";
  return std::string(text.substr(from, count));
}

// Reads the two first lines (header type and length) a byte at a time, so that
// nothing beyond the header is taken from the input; returns the bytes read.
size_t read_first_lines(InStream& in, std::array<char, 2048>& header) {
  size_t got = 0;
  for (int lineFeeds = 0; lineFeeds < 2 && got < header.size(); ++got) {
    if (read_items(in, &header[got], 1, 1) != 1) break;
    if (header[got] == '\n') ++lineFeeds;
  }
  return got;
}

// The first word after the type mark (-i, -r, -s<n>) of the line that starts
// with the field's name; nothing when no line does.
std::optional<std::string_view> field_word(std::string_view text, std::string_view name) {
  for (size_t from = 0; from < text.size();) {
    size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(from, end - from);
    from = end + 1;
    if (!line.starts_with(name) || line.size() == name.size() || line[name.size()] != ' ') continue;
    const size_t mark = line.find_first_not_of(' ', name.size());
    const size_t value = line.find_first_not_of(' ', line.find(' ', mark));
    if (mark == std::string_view::npos || value == std::string_view::npos) return std::nullopt;
    return line.substr(value, line.find_first_of(" \r", value) - value);
  }
  return std::nullopt;
}

// An integer field whatever its type mark; -1 when it is missing or no number.
int64_t field_number(std::string_view text, std::string_view name) {
  const std::optional<std::string_view> word = field_word(text, name);
  return word ? number_in(*word).value_or(-1) : -1;
}

// The samples as the header describes them; a coding or size the table does
// not know is refused. "sample_byte_format" 10 is most significant byte first.
void describe_nist(const RunSettings& s, InputDescription& d, std::string_view text) {
  const std::string coding(field_word(text, "sample_coding").value_or("pcm"));
  const int64_t bytes = field_number(text, "sample_n_bytes");
  const CodingChoice choice = nist_coding(coding, bytes);
  if (!choice.knownCoding) stop_with(1, "can't handle NIST sample_coding %s\n", coding.c_str());
  if (choice.row == nullptr) stop_with(1, "can't handle %d bytes_per_sample\n", clamp_to_int32(bytes));
  describe_coding(d, *choice.row);
  const bool msbFirst = choice.row->bytes > 1 && field_word(text, "sample_byte_format") == "10";
  d.swapBytes = s.swapInput || msbFirst;
  d.channels = static_cast<int>(clamp_to_int32(field_number(text, "channel_count")));
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
//   sample_coding -s4 ulaw            pcm (or none), ulaw, mu-law, alaw; others refused
//   sample_n_bytes -i 1               bytes a sample (none: 2 for pcm)
//   sample_byte_format -s2 10         10: most significant byte first
//   channel_count -i 2                -> channels when above 1 and no -nc
//   ...                               other fields are not used
//   end_head
//
// The input is never repositioned: the header is read as far as its stated
// length, so a pipe reads as a file does.
void read_nist_header(RunSettings& s, RunState& run, NistState& nist) {
  std::array<char, 2048>& header = nist.header;
  size_t got = read_first_lines(run.input, header);
  const int headerLength = nist_header_length(text_of(header, got));
  if (verbose) printf("NIST header length: %d \n", headerLength);
  const auto stated = static_cast<size_t>(headerLength);
  if (stated > header.size()) stop_with(1, "NIST header is too long \n");
  if (s.showNistHeader) {
    // Shown as the first 2048 bytes hold it, up to "end_head" or the end of that text.
    read_items(run.input, header.data() + got, 1, header.size() - got);
    show_nist_header(text_of(header));
    stop_run(0);
  }
  if (stated < got) header_corrupt();
  got += read_items(run.input, header.data() + got, 1, stated - got);
  const std::string_view text = text_of(header, got);
  nist_speaker_info(text, s.speakerId, s.transliteration);
  s.rate = clamp_to_int32(nist_field(text, "sample_rate"));
  s.length = nist_field(text, "sample_count");
  printf("sampling rate: %ld\n", static_cast<long>(s.rate));
  printf("length: %lld\n", static_cast<long long>(s.length));
  describe_nist(s, run.inputDescription, text);
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

void nist_speaker_info(std::string_view text, std::string& speakerId, std::string& transliteration) {
  print_line("%.*s\n", text.substr(0, 7));
  print_line("%.*s\n", piece(text, 8, 7));
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
