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

  size_t blockSize = BUFSIZE;    // samples the next read may take: whole frames, at most BUFSIZE
  int64_t inputLeft = -1;        // input samples the cut may still read; -1: to the end
  int64_t nsample = 0;           // samples delivered after decimation and the limit
  int decimationCarry = 0;       // position in the next block of the next kept sample
  int64_t valueCounter = 0;      // values accepted by the text readers, run-wide
  bool segmentsMissed = false;   // a segment of -split started after the end of the input
  bool samplesOnStdout = false;  // the samples take standard output, the texts standard error
  int64_t wrapped = 0;           // samples written to 16 bits from beyond -32768..32767

  InputDescription inputDescription;  // what the header step (or the mode) says of the samples
  SampleStats stats;

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
