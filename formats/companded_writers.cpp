// Companded outputs: A-law bytes (mode 4), A-law codes as hexadecimal text
// (mode 6), and mu-law hex (mode 15), which is not available.
#include <utility>

#include "formats/block_writers.h"
#include "formats/codecs.h"
#include "core/text_block.h"

void write_alaw_block(const RunSettings& s, RunState& run, int count) {
  alaw_encode_block(run.outShorts.data(), run.outBytes.data(), count);
  // A last byte without a partner stays where it is.
  if (s.swapOutput)
    for (int i = 0; i + 1 < count; i += 2) std::swap(run.outBytes[i], run.outBytes[i + 1]);
  write_bytes(run.output, run.outBytes.data(), static_cast<size_t>(count));
}

// Each code as two upper-case digits and a blank; a line feed after every 20th
// value of the run, so lines run on across block borders.
void write_alaw_hex_block(const RunSettings&, RunState& run, int count) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  alaw_encode_block(run.outShorts.data(), run.outBytes.data(), count);
  TextBlock text{run.output};
  for (int i = 0; i < count; ++i) {
    const unsigned code = run.outBytes[i];
    const char item[4] = {hexDigits[code >> 4], hexDigits[code & 0xF], ' ', '\n'};
    const bool lineEnd = (run.hexValueCount + 1) % 20 == 0;
    text_append(text, std::string_view(item, lineEnd ? 4 : 3));
    ++run.hexValueCount;
  }
  text_flush(text);
}

void write_mulaw_hex_block(const RunSettings&, RunState& run, int count) {
  if (count > 0) audio_s2u(run.outShorts[0]);
}
