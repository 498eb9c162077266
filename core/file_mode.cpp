// The table of file modes, one row a mode, in the order of the name search:
// earlier pieces win wherever they stand in a name, unless the extension decides.
#include "core/file_mode.h"

using enum Opening;
using enum SampleSource;

// clang-format off
const std::array<ModeTraits, 21> modeTable = {{
  // mode              name             exact    pieces              as ext.  extension  input       output     seek   size  samples
  {MODE_SUN_AUDIO,     "SUN-Audio",     nullptr, {".au", nullptr},   nullptr, ".au",     refused,    refused,   false, 0,    shorts},
  {MODE_ASCII,         "ASCII",         nullptr, {".asc", ".dat"},   nullptr, ".asc",    text,       text,      false, 0,    shorts},
  {MODE_FLOAT_ASCII,   "Float ASCII",   nullptr, {".fas", nullptr},  nullptr, ".fas",    text,       text,      false, 0,    floats},
  {MODE_VAX_ILS,       "VAX-ILS",       nullptr, {".sam", nullptr},  nullptr, ".voc",    binary,     binary,    true,  2,    shorts},
  {MODE_GRADIENT,      "Gradient",      nullptr, {".voc", nullptr},  nullptr, ".voc",    binary,     binary,    true,  2,    shorts},
  {MODE_ALAW,          "A-law",         nullptr, {".ala", nullptr},  nullptr, nullptr,   binary,     binary,    true,  1,    shorts},
  {MODE_ALAW_HEX,      "A-law hex",     nullptr, {".ahx", nullptr},  nullptr, nullptr,   text,       text,      false, 0,    shorts},
  {MODE_MULAW_HEX,     "mu-law hex",    nullptr, {".mhx", nullptr},  nullptr, nullptr,   text,       text,      false, 0,    shorts},
  {MODE_PCM,           "PCM",           nullptr, {".pcm", nullptr},  nullptr, ".pcm",    binary,     refused,   true,  2,    shorts},
  {MODE_ASSEMBLER,     "Assembler",     nullptr, {".asm", nullptr},  nullptr, ".asm",    outputOnly, text,      false, 0,    shorts},
  {MODE_MS_WAV,        "MS-wav",        nullptr, {".wav", nullptr},  nullptr, ".wav",    binary,     binary,    true,  0,    byHeader},
  {MODE_MATLAB,        "matlab",        nullptr, {".mat", nullptr},  nullptr, ".m",      binary,     refused,   false, 0,    shorts},
  {MODE_NIST,          "NIST",          nullptr, {".nis", nullptr},  ".sph",  ".nis",    binary,     refused,   true,  0,    byHeader},
  {MODE_SPDCAR,        "SPDCAR",        nullptr, {".dev", ".DEV"},   nullptr, ".dev",    binary,     refused,   true,  2,    shorts},
  {MODE_HTK,           "HTK",           nullptr, {".htk", ".hwav"},  nullptr, nullptr,   binary,     refused,   true,  2,    shorts},
  {MODE_MOTOROLA,      "MOTOROLA",      nullptr, {".io", nullptr},   nullptr, nullptr,   text,       text,      false, 0,    shorts},
  {MODE_MULTI_CHANNEL, "multi channel", nullptr, {".mul", nullptr},  nullptr, ".mul",    refused,    channels,  false, 0,    shorts},
  {MODE_NONE,          "NONE",          "-",     {nullptr, nullptr}, nullptr, nullptr,   refused,    nothing,   false, 0,    shorts},
  {MODE_STDIN_A,       "STDIN_A",       "--",    {nullptr, nullptr}, nullptr, nullptr,   standard,   refused,   false, 0,    shorts},
  {MODE_STDOUT_A,      "STDOUT_A",      "++",    {nullptr, nullptr}, nullptr, nullptr,   refused,    standard,  false, 0,    shorts},
  {MODE_USER,          "User defined",  nullptr, {nullptr, nullptr}, nullptr, nullptr,   refused,    described, false, 0,    shorts},
}};
// clang-format on

const ModeTraits* mode_traits(int mode) {
  for (const ModeTraits& row : modeTable)
    if (row.mode == mode) return &row;
  return nullptr;
}
