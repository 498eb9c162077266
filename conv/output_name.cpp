// The output name: composed from transliteration and speaker id with -cm, or
// taken from the input name when the output name is only a leading '.' piece.
#include <cstdio>

#include "conv/run.h"
#include "formats/registry.h"

bool strip_extension(std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  name.erase(dot);
  return true;
}

void derive_output_name(RunSettings& s) {
  if (s.composeName) {
    std::string name = s.outname;
    strip_extension(name);
    name += s.transliteration + "#" + s.speakerId + EXTENSION_NAME(s.outmode);
    s.outname = name;
    printf("New outname : %s\n", s.outname.c_str());
  } else if (!s.outname.empty() && s.outname[0] == '.') {
    std::string name = s.inname;
    strip_extension(name);
    s.outname = name + EXTENSION_NAME(s.outmode);
  }
}
