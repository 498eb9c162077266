// The block loop: read, decimate, limit, (x - mean) * scale in float, clip,
// 16-bit conversion, statistics, write; until the reader or the limit ends it.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/interrupt.h"
#include "driver/run.h"
#include "driver/sample_convert.h"
#include "formats/dispatch.h"
#include "formats/registry.h"

// Keeps the frames (all channels of one instant) whose position since the skip
// is a multiple of increment, across block borders; both sample arrays move
// together. A frame cut short by the end of the input keeps what it has.
static int decimate(const RunSettings& s, RunState& run, int count) {
  const auto n = static_cast<size_t>(count), width = static_cast<size_t>(s.channels);
  const size_t frames = (n + width - 1) / width, step = static_cast<size_t>(s.increment);
  size_t frame = static_cast<size_t>(run.decimationCarry), dst = 0;
  for (; frame < frames; frame += step) {
    for (size_t src = frame * width; src < std::min(n, (frame + 1) * width); ++src, ++dst) {
      run.floatBlock[dst] = run.floatBlock[src];
      run.inShorts[dst] = run.inShorts[src];
    }
  }
  run.decimationCarry = static_cast<int>(frame - frames);
  if (verbose) printf("rest = %d %d\n", run.decimationCarry, static_cast<int>(frame));
  return static_cast<int>(dst);
}

// Cuts the block so that nsample ends exactly at maxsample; returns -1 when the
// limit leaves no room.
static int apply_limit(const RunSettings& s, RunState& run, int count) {
  run.nsample += count;
  if (s.maxsample == 0 || run.nsample <= s.maxsample) return count;
  run.nsample -= count;
  const int64_t room = s.maxsample - run.nsample;
  if (room < 1) return -1;
  run.nsample += room;
  return static_cast<int>(room);
}

template <typename Source>
static void scale_block(const RunSettings& s, const Source* source, float* out, int count) {
  const double mean = s.scale_mean, factor = s.scale_factor;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i)
    out[i] = static_cast<float>((static_cast<double>(source[i]) - mean) * factor);
}

// The array the input's reader filled, as the input's description says.
static SampleSource source_of(const RunState& run) { return run.inputDescription.samples; }

static void to_float(const RunSettings& s, RunState& run, int count) {
  if (source_of(run) == SampleSource::floats)
    scale_block(s, run.floatBlock.data(), run.floatBlock.data(), count);
  else
    scale_block(s, run.inShorts.data(), run.floatBlock.data(), count);
}

// The second test sees the result of the first: a negative clip value turns
// every sample into its magnitude.
static void clip_block(const RunSettings& s, RunState& run, int count) {
  const float limit = s.clip_value;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    float& v = run.floatBlock[i];
    if (v > limit) v = limit;
    if (v < -limit) v = -limit;
  }
}

// The statistics see the float values, after mean, scale and clipping.
static void gather_statistics(const RunSettings& s, RunState& run, int count) {
  if (s.statsLevel != 0)
    for (size_t i = 0; i < static_cast<size_t>(count); ++i)
      accumulate_sample(run.stats, run.floatBlock[i], s.statsLevel);
}

// Without mean, scale or clipping, 16-bit input samples pass unchanged: their
// float values are exact and truncate back to themselves.
static bool passes_unchanged(const RunSettings& s, const RunState& run) {
  return source_of(run) == SampleSource::shorts && s.scale_mean == 0 && s.scale_factor == 1 &&
         s.clip_value == 0;
}

// The float values are only needed by the statistics and the float writers.
static bool needs_floats(const RunSettings& s) {
  return s.statsLevel != 0 || s.outmode == MODE_FLOAT_ASCII || s.outmode == MODE_USER;
}

// Outputs that carry the 16-bit values, where a value beyond their range wraps.
static bool writes_16_bit(const RunSettings& s, const FormatStates& formats) {
  if (s.writeMode == MODE_NONE || s.writeMode == MODE_FLOAT_ASCII) return false;
  return s.writeMode != MODE_USER || formats.user.outDescription.type != TYPE_FLOAT;
}

// How many values of the block lie beyond -32768..32767 and so wrap around 16
// bits; a loop of its own, which the compiler turns into vector compares.
static int64_t count_wraps(const RunState& run, int count) {
  int32_t wraps = 0;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    const float value = run.floatBlock[i];
    wraps += (value >= 32768.0f) | (value <= -32769.0f);
  }
  return wraps;
}

// Whether a value can leave the 16-bit range at all: every input but Float ASCII
// enters within it, and scaled down, or clipped inside the range, never leaves
// it; such runs are not counted.
static bool can_wrap(const RunSettings& s) {
  if (s.clip_value != 0 && std::fabs(s.clip_value) < 32767.0f) return false;
  if (s.readMode == MODE_FLOAT_ASCII) return true;
  const double reach = (32768.0 + std::fabs(static_cast<double>(s.scale_mean))) *
                       std::fabs(static_cast<double>(s.scale_factor));
  return !(reach < 32767.0);
}

// What the block loop decides once for the whole run.
struct BlockPlan {
  bool unchanged;   // 16-bit samples pass as they are
  bool floats;      // the float values are needed
  bool countWraps;  // values may leave the 16-bit range
};

static void convert_block(const RunSettings& s, RunState& run, int count, const BlockPlan& plan) {
  if (!plan.unchanged) {
    to_float(s, run, count);
    if (s.clip_value != 0) clip_block(s, run, count);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i)
      run.outShorts[i] = float_to_sample(run.floatBlock[i]);
    if (plan.countWraps) run.wrapped += count_wraps(run, count);
    gather_statistics(s, run, count);
    return;
  }
  std::copy_n(run.inShorts.begin(), count, run.outShorts.begin());
  if (!plan.floats) return;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) run.floatBlock[i] = run.inShorts[i];
  gather_statistics(s, run, count);
}

void run_block_loop(const RunSettings& s, RunState& run, FormatStates& formats) {
  const BlockPlan plan{passes_unchanged(s, run), needs_floats(s), writes_16_bit(s, formats) && can_wrap(s)};
  const auto wholeFrames = static_cast<size_t>(BUFSIZE / s.channels * s.channels);
  for (;;) {
    check_interrupt();
    // A cut of known length never reads past its end: a pipe goes on from there.
    if (run.inputLeft == 0) break;
    run.blockSize =
        run.inputLeft < 0 ? wholeFrames : std::min<size_t>(wholeFrames, static_cast<size_t>(run.inputLeft));
    int count = read_block(s, run);
    if (verbose) printf("cnt = %d\n", count);
    if (count < 1) break;
    if (run.inputLeft > 0) run.inputLeft -= count;
    if (s.increment != 1) count = decimate(s, run, count);
    count = apply_limit(s, run, count);
    if (count < 0) break;
    convert_block(s, run, count, plan);
    write_block(s, run, formats, count);
  }
}
