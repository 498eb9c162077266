// Multi channel output (mode 22): an interleaved block is split into one
// stream of 16-bit words per channel, one write a channel and block.
#include "formats/multi_channel.h"

#include "core/stop.h"
#include "formats/codecs.h"

void write_multi_channel_block(const RunSettings& s, RunState& run, int count) {
  const int channels = s.channels;
  if (count % channels != 0)
    stop_with(1, "can not handle buffer of size %i with %i channels\n", count, channels);
  if (s.swapOutput) swap_words(run.outShorts.data(), count);
  const auto width = static_cast<size_t>(channels), frames = static_cast<size_t>(count) / width;
  for (size_t k = 0; k < width; ++k) {
    for (size_t f = 0; f < frames; ++f) run.channelShorts[f] = run.outShorts[f * width + k];
    write_bytes(run.channelStreams.at(k), run.channelShorts.data(), 2 * frames);
  }
}
