// HTK waveform input: the 12-byte header, the byte order it reveals and the
// sample rate it gives. Samples follow as 16-bit words in that byte order.
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
//   8  16 sample size in bytes              2; read as 512, it tells that the file
//                                           is in the other byte order (HTK's own
//                                           is most significant byte first)
//  10  16 parameter kind                    its base (low 6 bits) must be 0, WAVEFORM
void read_htk_header(RunSettings& s, RunState& run) {
  std::array<uint8_t, 12> header;
  read_header_bytes(run.input, s.inname, header.data(), header.size());
  const int16_t size = read_le16(&header[8]);
  const bool otherOrder = (s.swapInput ? swap16(size) : size) == 512;
  const bool msbFirst = s.swapInput != otherOrder;
  int32_t sampleCount = read_le32(&header[0]);
  int32_t period = read_le32(&header[4]);
  int16_t kind = read_le16(&header[10]);
  if (msbFirst) {
    sampleCount = jswap(sampleCount);  // shown in the -v trace only
    period = jswap(period);
    kind = swap16(kind);
  }
  if (period <= 0) stop_with(1, "HTK sample period %ld not usable\n", static_cast<long>(period));
  s.rate = static_cast<int32_t>(10000000.0 / period);
  printf("sampling rate = %ld\n", static_cast<long>(s.rate));
  if ((kind & 0x3F) != 0) stop_with(1, "can't handle HTK parameter kind %d\n", kind);
  run.inputDescription.swapBytes = msbFirst;
}
