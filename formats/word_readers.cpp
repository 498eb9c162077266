// Headerless 16-bit word inputs: PCM (always most significant byte first) and
// Speechdat-Car (unsigned words with 32768 as silence). One read a block.
#include "formats/codecs.h"
#include "formats/readers.h"

int read_pcm_block(const RunSettings&, RunState& run) {
  const int count = static_cast<int>(read_items(run.input, run.inShorts.data(), 2, BUFSIZE));
  for (int i = 0; i < count; ++i) run.inShorts[i] = swap16(run.inShorts[i]);
  return count;
}

int read_spdcar_block(const RunSettings& s, RunState& run) {
  auto& words = run.devShorts;
  const int count = static_cast<int>(read_items(run.input, words.data(), 2, BUFSIZE));
  if (s.swapInput)
    for (int i = 0; i < count; ++i) words[i] = uswap16(words[i]);
  // 0 gives -32768, 32768 gives 0, 65535 gives 32767.
  for (int i = 0; i < count; ++i) run.inShorts[i] = static_cast<int16_t>(static_cast<int>(words[i]) - 32768);
  return count;
}
