// RunSettings: every setting of one sndconv run, from the command line and from
// the header steps and label files that write back into it; and the process flags.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/file_mode.h"

// Samples in a full block, and the size of every sample array of the run.
constexpr int BUFSIZE = 1000;

struct RunSettings {
  bool hexInput = false;                    // -xi: ASCII input tokens are hexadecimal
  bool hexOutput = false;                   // -xo: ASCII output in hexadecimal
  bool swapInput = false;                   // -sw: exchange the bytes of each input word
  bool swapOutput = false;                  // -swo: exchange the bytes of each output word
  bool bitReverse = false;                  // -br: reverse the bits of A-law and mu-law input bytes
  bool signExtend12 = false;                // -C: ASCII input is 12-bit two's complement
  float clip_value = 0;                     // -c: clip to [-x, +x]; 0 means no clipping
  float scale_factor = 1.0f;                // -s
  float scale_mean = 0;                     // -m: subtracted before scaling
  int statsLevel = 1;                       // -ns 0, default 1, -S 2
  bool showNistHeader = false;              // -N
  double startTime = 0;                     // -at, seconds; 0 means from the start
  double endTime = 0;                       // -et, seconds; 0 means to the end
  float refLevel = 0;                       // -R: reference of the dB line; 0 means none
  bool lengthOnly = false;                  // -L, -LF: report only the sample count
  std::optional<std::string> lengthFile;    // -LF, -LI: where -L writes the count
  std::optional<std::string> lengthInFile;  // -LI: the file the length was read from
  int64_t maxsample = 0;                    // -l: most samples to copy; 0 means all
  int valuesPerSample = 1;                  // -ai: ASCII values read per sample, the last kept
  int32_t rate = 8000;                      // -r, or the input header / SAM label file
  int64_t length = 0;                       // -le, -LI, NIST sample_count or the segment end
  int64_t skip_size = 0;                    // -hs: input samples skipped
  int channels = 1;                         // -nc, a SAM "NCH:" line or an MS-wav header
  bool channelsGiven = false;               // -nc was given: an MS-wav header does not change it
  int increment = 1;                        // -inc: keep every n-th sample
  std::optional<std::string> inModeName;    // -i
  std::optional<std::string> outModeName;   // -o
  std::optional<std::string> inDescFile;    // -I
  std::optional<std::string> outDescFile;   // -O
  bool composeName = false;                 // -cm, -cm_tr, -cm_id
  std::string transliteration = "unknown";  // -cm_tr, or the NIST header
  std::string speakerId = "0";              // -cm_id, or the NIST header
  std::optional<std::string> labelFile;     // -lf
  std::optional<std::string> labelOutFile;  // -lfo
  bool split = false;                       // -split: every labelled segment into its own file
  std::optional<std::string> manifestFile;  // -manifest: the list of the files -split wrote
  std::optional<std::string> labelTier;     // -tier: a TextGrid tier, by name or number from 1
  int asmWordSize = 2;                      // -a_s: samples per assembler word
  bool asmAdpcm = false;                    // -a_adpcm
  bool asmLinear = false;                   // -a_lin
  bool asmRightToLeft = false;              // -a_r2l
  std::string asmHeader = " DW 0x";         // -a_h: text in front of each word
  std::string asmComment = ";  ";           // -a_c: comment lead-in of the listing header
  std::string inname;                       // input file name
  std::string outname;                      // output file name
  FileMode inmode = MODE_UNKNOWN;           // resolved input file mode
  FileMode outmode = MODE_UNKNOWN;          // resolved output file mode
  FileMode readMode = MODE_UNKNOWN;         // what opening the input chose: STDIN_A reads as ASCII
  FileMode writeMode = MODE_UNKNOWN;        // what opening the output chose: STDOUT_A writes ASCII
  std::vector<std::string> commandLine;     // the whole argument vector, program name first
};

// A block must hold at least one whole frame: a channel count ("-nc", a SAM
// "NCH:" line, a header) below 1 or above BUFSIZE ends the run with its message.
void check_channel_count(int channels);

// -v: every stage may print extra lines.
extern bool verbose;
