// The file mode registry: names to modes by the pieces of the mode table, modes
// to their names and extensions, the known-extensions list. State: the name echo.
#include "formats/registry.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/stop.h"

static bool nameEcho = true;

void set_name_echo(bool on) { nameEcho = on; }

static bool contains(const std::string& name, const char* piece) {
  return piece != nullptr && name.find(piece) != std::string::npos;
}

static bool same_ignoring_case(const std::string& extension, const char* piece) {
  if (piece == nullptr || extension.size() != strlen(piece)) return false;
  for (size_t i = 0; i < extension.size(); ++i)
    if (tolower(static_cast<unsigned char>(extension[i])) != tolower(static_cast<unsigned char>(piece[i])))
      return false;
  return true;
}

// The mode whose piece is the name's extension (from its last '.'), in any case.
static FileMode mode_of_extension(const std::string& own) {
  const size_t dot = own.rfind('.');
  if (dot == std::string::npos) return MODE_UNKNOWN;
  const std::string extension = own.substr(dot);
  for (const ModeTraits& row : modeTable)
    if (same_ignoring_case(extension, row.pieces[0]) || same_ignoring_case(extension, row.pieces[1]) ||
        same_ignoring_case(extension, row.extensionPiece))
      return row.mode;
  return MODE_UNKNOWN;
}

void echo_name(const std::string& name) {
  if (nameEcho) printf("%s\n", name.c_str());
}

FileMode FILE_MODE_FROM_NAME(const std::string& name) {
  echo_name(name);
  return mode_from_name(name);
}

FileMode mode_from_name(const std::string& name) {
  for (const ModeTraits& row : modeTable)
    if (row.exactName != nullptr && name == row.exactName) return row.mode;
  // The file's own name (the folders before its last '/' take no part): its
  // extension decides; otherwise earlier pieces win wherever they stand in it.
  const std::string own = name.substr(name.rfind('/') + 1);
  if (const FileMode byExtension = mode_of_extension(own); byExtension != MODE_UNKNOWN) return byExtension;
  for (const ModeTraits& row : modeTable)
    if (contains(own, row.pieces[0]) || contains(own, row.pieces[1])) return row.mode;
  return MODE_UNKNOWN;
}

const char* FILE_MODE_NAME(int mode) {
  const ModeTraits* traits = mode_traits(mode);
  if (traits == nullptr) stop_with(1, "FILE_MODE_NAME: sorry! mode not implemented\n");
  return traits->name;
}

const char* default_extension(int mode) {
  const ModeTraits* traits = mode_traits(mode);
  return traits == nullptr ? nullptr : traits->extension;
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
