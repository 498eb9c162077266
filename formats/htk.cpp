// HTK waveform input: the 12-byte header and the sample rate it gives. Samples
// follow as 16-bit words.
#include "formats/htk.h"

#include <array>
#include <cstdio>

#include "core/byte_fields.h"
#include "core/stop.h"
#include "formats/codecs.h"

// The header, numbers least significant byte first (byte-reversed with -sw):
//
//   0  32 number of samples                 not used: samples are read to the end
//   4  32 sample period in units of 100 ns  rate = 10 000 000 / period
//   8  16 sample size in bytes              not used
//  10  16 parameter kind                    not used
void read_htk_header(RunSettings& s, RunState& run) {
  std::array<uint8_t, 12> header;
  read_header_bytes(run.input, s.inname, header.data(), header.size());
  int32_t sampleCount = read_le32(&header[0]);
  int32_t period = read_le32(&header[4]);
  if (s.swapInput) {
    sampleCount = jswap(sampleCount);  // shown in the -v trace only
    period = jswap(period);
  }
  if (period <= 0) stop_with(1, "HTK sample period %ld not usable\n", static_cast<long>(period));
  s.rate = static_cast<int32_t>(10000000.0 / period);
  printf("sampling rate = %ld\n", static_cast<long>(s.rate));
}
