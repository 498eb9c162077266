// The input as its header step describes it: how one sample is stored, which
// sample array a block goes to, where the samples start and how far they reach.
#pragma once
#include <cstdint>

#include "core/file_mode.h"

// How one stored sample of one channel is coded.
enum class SampleCoding {
  linear16,   // 16-bit two's complement, as every headerless 16-bit mode
  unsigned8,  // 8-bit PCM of MS-wav: 128 is silence
  signed8,    // 8-bit PCM of NIST: two's complement
  linear24,   // 24-bit two's complement
  linear32,   // 32-bit two's complement
  float32,    // IEEE single precision, full scale at 1.0
  float64,    // IEEE double precision, full scale at 1.0
  alaw,       // G.711 A-law byte
  mulaw,      // G.711 mu-law byte
};

struct InputDescription {
  SampleCoding coding = SampleCoding::linear16;
  int sampleBytes = 2;                          // bytes one sample of one channel is stored in
  bool swapBytes = false;                       // most significant byte first; one-byte samples:
                                                // neighbouring bytes exchanged in pairs
  SampleSource samples = SampleSource::shorts;  // the array a block is read into
  int channels = 0;                             // the count the header states; 0: it states none
  int64_t dataStart = 0;                        // byte of the first sample: the end of the header
  int64_t dataLength = -1;                      // bytes of samples from dataStart; -1: to the end
  bool skipFromData = false;                    // "-hs" alone counts from dataStart, not byte 0
};
