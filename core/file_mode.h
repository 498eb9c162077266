// File modes: their codes, and the one table of what each mode is and can do
// that the registry, the opening of streams, the skip and the block loop read.
#pragma once
#include <array>

// File mode codes. 9 and 13 do not exist; -1 is a name that matched nothing.
enum FileMode {
  MODE_ASCII = 0,
  MODE_SUN_AUDIO = 1,
  MODE_VAX_ILS = 2,
  MODE_GRADIENT = 3,
  MODE_ALAW = 4,
  MODE_NONE = 5,
  MODE_ALAW_HEX = 6,
  MODE_FLOAT_ASCII = 7,
  MODE_PCM = 8,
  MODE_ASSEMBLER = 10,
  MODE_MS_WAV = 11,
  MODE_MATLAB = 12,
  MODE_USER = 14,
  MODE_MULAW_HEX = 15,
  MODE_STDOUT_A = 16,
  MODE_STDIN_A = 17,
  MODE_NIST = 18,
  MODE_SPDCAR = 19,
  MODE_HTK = 20,
  MODE_MOTOROLA = 21,
  MODE_MULTI_CHANNEL = 22,
  MODE_UNKNOWN = -1,
};

// How a mode's stream is opened on one side of a conversion.
enum class Opening {
  text,        // the named file, as text
  binary,      // the named file, in binary form
  standard,    // standard input or output
  nothing,     // no stream at all (NONE as output)
  described,   // binary or text as the "-O" description says
  channels,    // one binary file per channel
  outputOnly,  // an input refused as output only (Assembler)
  refused,     // not implemented on this side
};

// Which sample array a mode's reader fills.
enum class SampleSource {
  shorts,    // inShorts
  floats,    // floatBlock (Float ASCII, and the wide codings of a header)
  byHeader,  // as the header's coding says (MS-wav, NIST)
};

struct ModeTraits {
  FileMode mode;
  const char* name;                   // as messages show it
  const char* exactName;              // a whole name that selects the mode ("-", "--", "++")
  std::array<const char*, 2> pieces;  // pieces of a name that select it
  const char* extensionPiece;         // a piece that selects it only as the name's extension
  const char* extension;              // of an output name built for the mode; nullptr: none
  Opening input;
  Opening output;
  bool canSeek;    // "-hs" and "-at" can position the input
  int sampleSize;  // bytes a sample of a binary input; 0: text, or by the header
  SampleSource samples;
};

// Every mode, in the order in which names are searched for their pieces.
extern const std::array<ModeTraits, 21> modeTable;

// The row of a mode, or nullptr for a code that is no mode.
const ModeTraits* mode_traits(int mode);
