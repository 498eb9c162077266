// The output name: composed from transliteration and speaker id with -cm, or
// taken from the input name when the output name is a bare extension. An
// extension is only ever replaced within the name's last part, after its folders.
#include <cstdio>

#include "driver/run.h"
#include "formats/registry.h"

bool strip_extension(std::string& name) {
  const size_t dot = name.rfind('.');
  const size_t slash = name.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  name.erase(dot);
  return true;
}

bool is_bare_extension(const std::string& name) {
  return name.starts_with('.') && name.find('/') == std::string::npos;
}

static std::string with_extension(std::string name, const char* extension) {
  strip_extension(name);
  return name + extension;
}

std::optional<std::string> name_from_input(const RunSettings& s) {
  if (!is_bare_extension(s.outname)) return std::nullopt;
  const char* extension = default_extension(s.outmode);
  if (extension == nullptr) return std::nullopt;
  return with_extension(s.inname, extension);
}

std::string channel_file_name(std::string outname, int k) {
  strip_extension(outname);
  return outname + "_c" + std::to_string(k) + ".voc";
}

void derive_output_name(RunSettings& s) {
  if (s.composeName) {
    s.outname =
        with_extension(s.outname, "") + s.transliteration + "#" + s.speakerId + EXTENSION_NAME(s.outmode);
    printf("New outname : %s\n", s.outname.c_str());
  } else if (is_bare_extension(s.outname)) {
    s.outname = with_extension(s.inname, EXTENSION_NAME(s.outmode));
  }
}
