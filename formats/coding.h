// Stored sample codings of the headered inputs (MS-wav, NIST, HTK): what each
// header value means, and the one reader that brings their samples to the run.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "core/input_description.h"
#include "core/run_state.h"
#include "core/settings.h"

// One coding a header can name, with the header values that name it.
struct CodingRow {
  SampleCoding coding;
  int bytes;                 // stored bytes of one sample
  int wavFormat;             // the MS-wav format tag (or extensible sub-format); 0: none
  const char* nistNames[2];  // the NIST sample_coding values; nullptr: none
  SampleSource samples;      // shorts: whole values on the 16-bit scale; floats: the others
};

// The row a header's coding and sample size select. `knownCoding` tells a
// coding the table lacks from a size the coding is not stored in.
struct CodingChoice {
  const CodingRow* row = nullptr;
  bool knownCoding = false;
};

// An MS-wav format code stored in `bytes` bytes a sample.
CodingChoice wav_coding(int format, int bytes);
// A NIST sample_coding value stored in `bytes` bytes a sample; with `bytes`
// below 0 (no sample_n_bytes) 2 bytes for PCM, otherwise the coding's one size.
CodingChoice nist_coding(std::string_view name, int64_t bytes);

// The description of a mode's samples before any header speaks: the mode
// table's sample size and array, the data running from the header to the end.
InputDescription mode_description(FileMode mode);
// Takes the coding, size and array of a row into the description.
void describe_coding(InputDescription& description, const CodingRow& row);

// Up to `most` one-byte samples into inShorts through a table of their values;
// first the bytes are exchanged in pairs and their bits reversed, when asked.
int read_byte_samples(RunState& run, size_t most, bool swapPairs, bool reverseBits,
                      const std::array<int16_t, 256>& values);
// One block of MS-wav, NIST or HTK samples as the input description says, never
// past the end of the data: 16-bit samples whole into inShorts; one-byte codings
// through their tables into inShorts; wider samples and floats onto the 16-bit
// scale in floatBlock, each held to -32768..32767. Returns the samples read.
int read_coded_block(const RunSettings& s, RunState& run);
