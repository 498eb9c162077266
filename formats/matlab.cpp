// matlab input: the matrix header of a level-4 MAT-file, read and shown. The
// matrix name and the values after it are not read.
#include "formats/matlab.h"

#include <array>
#include <cstdio>

#include "core/byte_fields.h"
#include "core/stop.h"

// Five 32-bit numbers, least significant byte first, never byte-reversed:
//   0 type   4 mrows   8 ncols   12 imagf   16 namlen
void read_matlab_header(const RunSettings& s, RunState& run) {
  std::array<uint8_t, 20> header;
  read_header_bytes(run.input, s.inname, header.data(), header.size());
  printf("type:   %ld\n", static_cast<long>(read_le32(&header[0])));
  printf("mrows:  %ld\n", static_cast<long>(read_le32(&header[4])));
  printf("ncols:  %ld\n", static_cast<long>(read_le32(&header[8])));
  printf("imagf:  %ld\n", static_cast<long>(read_le32(&header[12])));
  printf("namlen: %ld\n", static_cast<long>(read_le32(&header[16])));
}
