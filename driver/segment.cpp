// Skip and segment: the start time and "-hs" become a seek into the input, the
// end time a sample limit. Times and rates are combined in double precision.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>

#include "driver/run.h"
#include "core/stop.h"
#include "formats/registry.h"

// Truncation toward zero, held to the 64-bit range (NaN gives 0).
static int64_t truncate_to_int64(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
  if (value <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

// a + b * c, held to the 64-bit range.
static int64_t saturating_add_product(int64_t a, int64_t b, int64_t c) {
  int64_t product = 0, sum = 0;
  const bool negative = (b < 0) != (c < 0);
  if (__builtin_mul_overflow(b, c, &product))
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  if (__builtin_add_overflow(a, product, &sum))
    return a < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  return sum;
}

// Positions the input at skip_size samples from the start of the file; the
// header bytes count toward the skip.
static void seek_input(const RunSettings& s, RunState& run) {
  const ModeTraits* traits = mode_traits(s.inmode);
  if (traits == nullptr || !traits->canSeek)
    stop_with(1, "sorry! skipping in input mode %s not implemented\n", FILE_MODE_NAME(s.inmode));
  int64_t position = 0;
  if (__builtin_mul_overflow(s.skip_size, int64_t{traits->sampleSize}, &position)) {
    errno = EOVERFLOW;
    stop_on_errno("skip header");
  }
  if (fseeko(run.input.file, position, SEEK_SET) != 0) stop_on_errno("skip header");
}

void skip_and_segment(RunSettings& s, RunState& run) {
  if (s.startTime > 0) {
    const int64_t n = truncate_to_int64(static_cast<double>(s.rate) * static_cast<double>(s.startTime) + 0.5);
    s.skip_size = saturating_add_product(s.skip_size, n, s.channels);
    printf("skip_size = %lld\n", static_cast<long long>(s.skip_size));
  }
  if (s.endTime > 0) {
    const int64_t m = truncate_to_int64((static_cast<double>(s.endTime) - static_cast<double>(s.startTime)) *
                                        static_cast<double>(s.rate) * static_cast<double>(s.channels));
    s.maxsample = m;
    s.length = m;
    printf("maxsample = %lld\n", static_cast<long long>(m));
    if (m < 1) stop_with(1, "Extracted segment has only length %lld\n", static_cast<long long>(m));
  }
  if (s.skip_size != 0) seek_input(s, run);
}
