// The table of file modes: which name pieces select them, how they are shown,
// which extension an output of the mode gets. The only state is the name echo.
#include "formats/registry.h"

#include <cstdio>

#include "core/stop.h"

static bool nameEcho = true;

void set_name_echo(bool on) { nameEcho = on; }

static bool contains(const std::string& name, const char* piece) {
  return name.find(piece) != std::string::npos;
}

int FILE_MODE_FROM_NAME(const std::string& name) {
  if (nameEcho) printf("%s\n", name.c_str());
  // Earlier pieces win wherever they stand in the name, directories included.
  if (name == "-") return MODE_NONE;
  if (name == "--") return MODE_STDIN_A;
  if (name == "++") return MODE_STDOUT_A;
  if (contains(name, ".au")) return MODE_SUN_AUDIO;
  if (contains(name, ".asc") || contains(name, ".dat")) return MODE_ASCII;
  if (contains(name, ".fas")) return MODE_FLOAT_ASCII;
  if (contains(name, ".sam")) return MODE_VAX_ILS;
  if (contains(name, ".voc")) return MODE_GRADIENT;
  if (contains(name, ".ala")) return MODE_ALAW;
  if (contains(name, ".ahx")) return MODE_ALAW_HEX;
  if (contains(name, ".mhx")) return MODE_MULAW_HEX;
  if (contains(name, ".pcm")) return MODE_PCM;
  if (contains(name, ".asm")) return MODE_ASSEMBLER;
  if (contains(name, ".wav")) return MODE_MS_WAV;
  if (contains(name, ".mat")) return MODE_MATLAB;
  if (contains(name, ".nis")) return MODE_NIST;
  if (contains(name, ".dev") || contains(name, ".DEV")) return MODE_SPDCAR;
  if (contains(name, ".htk") || contains(name, ".hwav")) return MODE_HTK;
  if (contains(name, ".io")) return MODE_MOTOROLA;
  if (contains(name, ".mul")) return MODE_MULTI_CHANNEL;
  return MODE_UNKNOWN;
}

const char* FILE_MODE_NAME(int mode) {
  switch (mode) {
    case MODE_ASCII: return "ASCII";
    case MODE_SUN_AUDIO: return "SUN-Audio";
    case MODE_VAX_ILS: return "VAX-ILS";
    case MODE_GRADIENT: return "Gradient";
    case MODE_ALAW: return "A-law";
    case MODE_NONE: return "NONE";
    case MODE_ALAW_HEX: return "A-law hex";
    case MODE_FLOAT_ASCII: return "Float ASCII";
    case MODE_PCM: return "PCM";
    case MODE_ASSEMBLER: return "Assembler";
    case MODE_MS_WAV: return "MS-wav";
    case MODE_MATLAB: return "matlab";
    case MODE_USER: return "User defined";
    case MODE_MULAW_HEX: return "mu-law hex";
    case MODE_STDOUT_A: return "STDOUT_A";
    case MODE_STDIN_A: return "STDIN_A";
    case MODE_NIST: return "NIST";
    case MODE_SPDCAR: return "SPDCAR";
    case MODE_HTK: return "HTK";
    case MODE_MOTOROLA: return "MOTOROLA";
    case MODE_MULTI_CHANNEL: return "multi channel";
  }
  stop_with(1, "FILE_MODE_NAME: sorry! mode not implemented\n");
}

const char* default_extension(int mode) {
  switch (mode) {
    case MODE_ASCII: return ".asc";
    case MODE_SUN_AUDIO: return ".au";
    case MODE_VAX_ILS: return ".voc";
    case MODE_GRADIENT: return ".voc";
    case MODE_FLOAT_ASCII: return ".fas";
    case MODE_PCM: return ".pcm";
    case MODE_ASSEMBLER: return ".asm";
    case MODE_MS_WAV: return ".wav";
    case MODE_MATLAB: return ".m";
    case MODE_NIST: return ".nis";
    case MODE_SPDCAR: return ".dev";
    case MODE_MULTI_CHANNEL: return ".mul";
  }
  return nullptr;
}

const char* EXTENSION_NAME(int mode) {
  const char* extension = default_extension(mode);
  if (extension == nullptr) stop_with(1, "EXTENSION_NAME: sorry! mode not implemented\n");
  return extension;
}

void print_known_extensions() {
  printf("known extensions:\n");
  fflush(stdout);
  printf("  .au         SUN-Audio\n");
  printf("  .sam        VAX-ILS\n");
  printf("  .pcm        16bit linear, bytes swaped, no header\n");
  printf("  .voc        16bit linear, no header\n");
  printf("  .wav        MS-wave\n");
  printf("  .dat, .asc  ASCII\n");
  printf("  .fas        Float ASCII\n");
  printf("  .ala        8bit A-law (binary)\n");
  printf("  .ahx        A-law hex (ascii)\n");
  printf("  .mhx        mu-law hex (ascii)\n");
  printf("  .asm        Assembler\n");
  printf("  .m          matlab\n");
  printf("  .nis        NIST\n");
  printf("  .dev, .DEV  Speechdat-Car (16bit unsigned short, no header)\n");
  printf("  .htk, .hwav HTK wave form \n");
  printf("  .mul        multi channel \n");
  printf("  --          STDIN (ASCII) \n");
  printf("  ++          STDOUT (ASCII) \n");
  printf("  -           NONE \n");
}
