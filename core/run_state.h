// RunState: everything one conversion run owns besides its settings: the
// streams, the fixed sample buffers, the counters and the writers' carry-over.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/stats.h"
#include "core/streams.h"

// What a description file says about the user-defined output format.
struct FormatDescription {
  std::string name;  // shown only
  int type = 5;      // short 0, long 1, int 2, char 3, float 4, anything else 5
  int mode = -1;     // binary 0, ascii 1, not given -1
};

struct RunState {
  InStream input;
  OutStream output;
  std::vector<OutStream> channelStreams;  // multi channel output, one per channel

  int64_t nsample = 0;      // samples delivered after decimation and the limit
  int decimationCarry = 0;  // position in the next block of the next kept sample
  int64_t valueCounter = 0; // values accepted by the text readers, run-wide
  SampleStats stats;

  // Writers' state carried from block to block.
  int64_t hexValueCount = 0;  // A-law hex values written
  uint32_t asmBits = 0;       // ADPCM assembler word being filled
  int16_t asmNibbles = 0;     // codes in asmBits
  bool wavHeaderWritten = false;

  FormatDescription inDescription;
  FormatDescription outDescription;

  std::string espsLabel;                   // label word of the last ESPS record
  std::optional<std::string> samLabelText; // label text of the last SAM "LB0:" line

  // Sample arrays of one block, reused from entry 0 for every block.
  std::array<int16_t, BUFSIZE> inShorts{};
  std::array<int32_t, BUFSIZE> inLongs{};
  std::array<float, BUFSIZE> floatBlock{};
  std::array<int16_t, BUFSIZE> outShorts{};
  std::array<uint8_t, BUFSIZE> inBytes{};
  std::array<uint8_t, BUFSIZE> outBytes{};
  std::array<int16_t, BUFSIZE> channelShorts{};
  std::array<uint16_t, BUFSIZE> devShorts{};

  std::array<uint8_t, 512> vaxHeader{};
  std::array<char, 2048> nistHeader{};
};
