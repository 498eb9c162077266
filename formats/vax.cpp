// VAX-ILS: the 512-byte header block, kept uninterpreted and copied in front of a
// VAX-ILS output, and the input's samples, most significant byte first.
#include "formats/vax.h"

#include <cstdio>

#include "core/stop.h"
#include "formats/codecs.h"

void read_vax_header(const RunSettings& s, RunState& run) {
  if (read_items(run.input, run.vaxHeader.data(), 1, run.vaxHeader.size()) != run.vaxHeader.size())
    stop_with(1, "header of %s ends early\n", s.inname.c_str());
}

void write_vax_header(const RunSettings& s, RunState& run) {
  (void)s;
  write_bytes(run.output, run.vaxHeader.data(), run.vaxHeader.size());
}

// -sw has no effect: the words are always taken most significant byte first.
int read_vax_block(const RunSettings& s, RunState& run) {
  (void)s;
  const int count = static_cast<int>(read_items(run.input, run.inShorts.data(), 2, BUFSIZE));
  for (int i = 0; i < count; ++i) run.inShorts[i] = swap16(run.inShorts[i]);
  return count;
}
