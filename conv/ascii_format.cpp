// ASCII sample text: one integer per whitespace-separated token on input
// (decimal, octal or 0x-hex as "%hi" reads them, or bare hex with -xi), one per line out.
#include <cstdio>

#include "conv/base_formats.h"
#include "conv/int_scan.h"
#include "conv/stop.h"
#include "conv/text_format.h"

// A token that is no number ends the run, naming the values accepted before it.
[[noreturn]] static void stop_bad_value(const RunSettings& s, const RunState& run) {
  stop_with(1, "unrecognizable input in file %s at value %d\n", s.inname.c_str(), run.valueCounter);
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
  int count = 0;
  while (count < BUFSIZE) {
    const int stored = scan_short(run.input.file, run.inShorts[count]);
    if (stored != 1) {
      check_read(run.input);
      if (stored == EOF) break;
      stop_bad_value(s, run);
    }
    ++run.valueCounter;
    ++count;
  }
  return count;
}

int read_ascii_block(const RunSettings& s, RunState& run) {
  if (!s.hexInput && s.valuesPerSample == 1 && !s.signExtend12) return read_plain_ascii_block(s, run);
  int count = 0;
  while (count < BUFSIZE) {
    int16_t& entry = run.inShorts[count];
    for (int k = 0; k < s.valuesPerSample; ++k)
      if (!read_ascii_value(s, run, entry)) return count;
    if (s.signExtend12 && entry >= 2048) entry = static_cast<int16_t>(entry | 0xF800);
    ++count;
  }
  return count;
}

void write_ascii_block(const RunSettings& s, RunState& run, int count) {
  char text[BUFSIZE * 12];
  char* p = text;
  for (int i = 0; i < count; ++i) {
    const int32_t value = run.outShorts[i];
    p = s.hexOutput ? format_hex(p, static_cast<uint32_t>(value)) : format_decimal(p, value);
    *p++ = '\n';
  }
  write_bytes(run.output, text, static_cast<size_t>(p - text));
}
