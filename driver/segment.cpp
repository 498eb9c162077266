// Skip and segment: the start time and "-hs" become a seek into the input, the
// end time a sample limit. Times and rates are combined in double precision.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/stop.h"
#include "driver/run.h"
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

// The byte `samples` samples of the input after byte `base`.
static int64_t byte_after(int64_t base, int64_t samples, const InputDescription& in) {
  int64_t bytes = 0, target = 0;
  if (__builtin_mul_overflow(samples, int64_t{in.sampleBytes}, &bytes) ||
      __builtin_add_overflow(base, bytes, &target)) {
    errno = EOVERFLOW;
    stop_on_errno("skip header");
  }
  return target;
}

void refuse_unpositionable(const RunSettings& s) {
  const ModeTraits* traits = mode_traits(s.readMode);
  if (traits == nullptr || !traits->canSeek)
    stop_with(1, "sorry! skipping in input mode %s not implemented\n", FILE_MODE_NAME(s.readMode));
}

// Positions the input at `target`. A pipe is read forward instead; bytes its
// header step consumed count toward the place.
static void seek_to(const RunSettings& s, RunState& run, int64_t target) {
  refuse_unpositionable(s);
  if (!position_input(run.input, target) && !(errno == ESPIPE && target >= 0)) stop_on_errno("skip header");
}

// The first sample read: with a start time, skip_size samples after the end of
// the header; with "-hs" alone counted from the start of the file, header
// included, as always, or from the data where the input says so.
static void seek_input(const RunSettings& s, RunState& run) {
  const InputDescription& in = run.inputDescription;
  const int64_t base = s.startTime > 0 || in.skipFromData ? in.dataStart : 0;
  seek_to(s, run, byte_after(base, s.skip_size, in));
}

void position_after_header(const RunSettings& s, RunState& run, int64_t samples) {
  const InputDescription& in = run.inputDescription;
  seek_to(s, run, byte_after(in.dataStart, samples, in));
}

int64_t nearest_sample(double time, int32_t rate) {
  return truncate_to_int64(std::floor(time * static_cast<double>(rate) + 0.5));
}

void skip_and_segment(RunSettings& s, RunState& run) {
  if (s.skip_size < 0) {
    errno = EINVAL;
    stop_on_errno("skip header");
  }
  // A start before the first sample starts at it.
  const double start = std::max(s.startTime, 0.0);
  const int64_t first = start > 0 ? nearest_sample(start, s.rate) : 0;
  if (start > 0) {
    s.skip_size = saturating_add_product(s.skip_size, first, s.channels);
    printf("skip_size = %lld\n", static_cast<long long>(s.skip_size));
  }
  s.maxsample -= s.maxsample % s.channels;  // whole frames
  if (s.endTime > 0) {
    const int64_t m = saturating_add_product(0, nearest_sample(s.endTime, s.rate) - first, s.channels);
    s.maxsample = m;
    s.length = m;
    printf("maxsample = %lld\n", static_cast<long long>(m));
    if (m < 1) stop_with(1, "Extracted segment has only length %lld\n", static_cast<long long>(m));
  }
  // A start time counts even when it rounds to no sample.
  if (start > 0 || s.skip_size != 0) seek_input(s, run);
}
