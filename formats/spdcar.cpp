// Speechdat-Car input: one read a block into devShorts, -sw exchanging bytes,
// then each word less 32768 into inShorts.
#include "formats/spdcar.h"

#include "formats/codecs.h"

int read_spdcar_block(const RunSettings& s, RunState& run) {
  auto& words = run.devShorts;
  const int count = static_cast<int>(read_items(run.input, words.data(), 2, run.blockSize));
  if (s.swapInput) swap_words(words.data(), count);
  // 0 gives -32768, 32768 gives 0, 65535 gives 32767.
  for (size_t i = 0; i < static_cast<size_t>(count); ++i)
    run.inShorts[i] = static_cast<int16_t>(static_cast<int>(words[i]) - 32768);
  return count;
}
