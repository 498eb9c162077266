// Skip and segment: the start time and "-hs" become a seek into the input, the
// end time a sample limit. Times and rates are combined in double precision.
#include <cmath>
#include <cstdio>
#include <limits>

#include "conv/run.h"
#include "conv/stop.h"
#include "formats/registry.h"

// Truncation toward zero, held to the 32-bit range (NaN gives 0).
static int32_t truncate_to_int32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

static int32_t saturate_to_int32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

static bool can_seek(int inmode) {
  switch (inmode) {
    case MODE_VAX_ILS:
    case MODE_GRADIENT:
    case MODE_PCM:
    case MODE_NIST:
    case MODE_SPDCAR:
    case MODE_HTK: return true;
  }
  return false;
}

// Positions the input at byte 2 * skip_size from the start of the file; the
// header bytes count toward the skip.
static void seek_input(const RunSettings& s, RunState& run) {
  if (!can_seek(s.inmode))
    stop_with(1, "sorry! skipping in input mode %s not implemented\n", FILE_MODE_NAME(s.inmode));
  if (fseek(run.input.file, 2L * s.skip_size, SEEK_SET) != 0) stop_on_errno("skip header");
}

void skip_and_segment(RunSettings& s, RunState& run) {
  if (s.startTime > 0) {
    const int32_t n = truncate_to_int32(static_cast<double>(s.rate) * static_cast<double>(s.startTime) + 0.5);
    s.skip_size = saturate_to_int32(static_cast<int64_t>(s.skip_size) + static_cast<int64_t>(n) * s.channels);
    printf("skip_size = %ld\n", static_cast<long>(s.skip_size));
  }
  if (s.endTime > 0) {
    const int32_t m = truncate_to_int32((static_cast<double>(s.endTime) - static_cast<double>(s.startTime)) *
                                        static_cast<double>(s.rate) * static_cast<double>(s.channels));
    s.maxsample = m;
    s.length = m;
    printf("maxsample = %ld\n", static_cast<long>(m));
    if (m < 1) stop_with(1, "Extracted segment has only length %ld\n", static_cast<long>(m));
  }
  if (s.skip_size != 0) seek_input(s, run);
}
