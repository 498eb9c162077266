// ASCII sample text: one integer per whitespace-separated token on input
// (decimal, octal or 0x-hex as "%hi" reads them, or bare hex with -xi), one per line out.
#include "formats/ascii.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "core/int_scan.h"
#include "core/stop.h"
#include "core/text_format.h"

// A token that is no number ends the run, naming the values accepted before it.
[[noreturn]] static void stop_bad_value(const RunSettings& s, const RunState& run) {
  stop_with(1, "unrecognizable input in file %s at value %lld\n", s.inname.c_str(),
            static_cast<long long>(run.valueCounter));
}

// One value into `value`; returns false at the end of the input.
static bool read_ascii_value(const RunSettings& s, RunState& run, int16_t& value) {
  int stored = 1;
  if (s.hexInput) {
    std::string token;
    if (!read_token(run.input, token)) return false;
    value = hex_token_value(token);
  } else {
    stored = scan_short(run.input.file, value);
    if (stored != 1) check_read(run.input);
    if (stored == EOF) return false;
  }
  if (stored < 1) stop_bad_value(s, run);
  ++run.valueCounter;
  return true;
}

// The common case: one decimal value a sample, nothing to extend.
static int read_plain_ascii_block(const RunSettings& s, RunState& run) {
  size_t count = 0;
  while (count < run.blockSize) {
    const int stored = scan_short(run.input.file, run.inShorts[count]);
    if (stored != 1) {
      check_read(run.input);
      if (stored == EOF) break;
      stop_bad_value(s, run);
    }
    ++run.valueCounter;
    ++count;
  }
  return static_cast<int>(count);
}

int read_ascii_block(const RunSettings& s, RunState& run) {
  if (!s.hexInput && s.valuesPerSample == 1 && !s.signExtend12) return read_plain_ascii_block(s, run);
  size_t count = 0;
  while (count < run.blockSize) {
    int16_t& entry = run.inShorts[count];
    for (int k = 0; k < s.valuesPerSample; ++k)
      if (!read_ascii_value(s, run, entry)) return static_cast<int>(count);
    if (s.signExtend12 && entry >= 2048) entry = static_cast<int16_t>(entry | 0xF800);
    ++count;
  }
  return static_cast<int>(count);
}

// The "%d\n" line of every 16-bit value, made once: up to seven characters in
// the low bytes of an 8-byte word, the length in the top byte.
static const std::array<uint64_t, 65536>& decimal_lines() {
  static const std::array<uint64_t, 65536> lines = [] {
    std::array<uint64_t, 65536> table{};
    for (int v = -32768; v <= 32767; ++v) {
      char text[8] = {};
      char* end = format_decimal(text, v);
      *end++ = '\n';
      text[7] = static_cast<char>(end - text);
      memcpy(&table[static_cast<uint16_t>(v)], text, sizeof text);
    }
    return table;
  }();
  return lines;
}

void write_ascii_block(const RunSettings& s, RunState& run, int count) {
  char text[BUFSIZE * 12];
  char* p = text;
  if (s.hexOutput) {
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
      p = format_hex(p, static_cast<uint32_t>(static_cast<int32_t>(run.outShorts[i])));
      *p++ = '\n';
    }
  } else {
    const auto& lines = decimal_lines();
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
      const uint64_t line = lines[static_cast<uint16_t>(run.outShorts[i])];
      memcpy(p, &line, sizeof line);  // the text has room for 8 bytes past any line
      p += line >> 56;
    }
  }
  write_bytes(run.output, text, static_cast<size_t>(p - text));
}
