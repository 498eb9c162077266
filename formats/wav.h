// MS-wav (RIFF/WAVE, file mode 11): the input header and its chunk walk, and the
// 44-byte header in front of an MS-wav output.
#pragma once
#include <cstdint>

#include "core/run_state.h"
#include "core/settings.h"

struct WavState {
  bool headerWritten = false;  // the output header is whole in the stream
};

// Reads the RIFF header up to the contents of the "data" chunk; sets rate and
// describes the samples (coding, size, channels, data length), or refuses them.
void read_wav_header(RunSettings& s, RunState& run);
// Writes the 44-byte header from rate, length and channels as they stand.
void write_wav_header(const RunSettings& s, RunState& run, WavState& wav);
// Makes the written header's two lengths agree with the samples that reached
// the file, when the output is a regular file. Errors end the run only when
// `checked` (the normal end); after a stop the rewrite is done as far as it goes.
void finish_wav_header(const RunSettings& s, RunState& run, const WavState& wav, bool checked);
// Prints "chunk: <" the four bytes ">".
void print_chunk_id(const uint8_t* id);
