// RunState: what every stage of one conversion run shares besides its settings:
// the streams, the fixed sample buffers and the counters.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/input_description.h"
#include "core/settings.h"
#include "core/stats.h"
#include "core/streams.h"

struct RunState {
  InStream input;
  OutStream output;
  std::vector<OutStream> channelStreams;  // multi channel output, one per channel

  size_t blockSize = BUFSIZE;  // samples a block holds: the most whole frames that fit in BUFSIZE
  int64_t nsample = 0;         // samples delivered after decimation and the limit
  int decimationCarry = 0;     // position in the next block of the next kept sample
  int64_t valueCounter = 0;    // values accepted by the text readers, run-wide

  InputDescription inputDescription;  // what the header step (or the mode) says of the samples
  SampleStats stats;

  bool stdoutClosed = false;  // standard output was the data stream and is done

  // Sample arrays of one block, reused from entry 0 for every block.
  std::array<int16_t, BUFSIZE> inShorts{};
  std::array<float, BUFSIZE> floatBlock{};
  std::array<int16_t, BUFSIZE> outShorts{};
  std::array<uint8_t, BUFSIZE> inBytes{};
  std::array<uint8_t, BUFSIZE> outBytes{};
  std::array<int16_t, BUFSIZE> channelShorts{};
  std::array<uint16_t, BUFSIZE> devShorts{};
  std::array<uint8_t, 8 * BUFSIZE> storedBytes{};  // a block of samples of up to 8 bytes, as stored
};
