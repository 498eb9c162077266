// PCM input: one read a block, then every word byte-swapped into inShorts;
// -sw has no effect.
#include "formats/pcm.h"

#include "formats/codecs.h"

int read_pcm_block(RunState& run) {
  const int count = static_cast<int>(read_items(run.input, run.inShorts.data(), 2, run.blockSize));
  swap_words(run.inShorts.data(), count);
  return count;
}
