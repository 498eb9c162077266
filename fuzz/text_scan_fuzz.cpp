// Fuzz target: the hand-written "%hi", "%x" and "%f" stream scanners against the
// C library's fscanf on the same text: the same results, values and positions.
// Flag byte: bits 0-1 which scanner; the rest is the text.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/float_scan.h"
#include "core/int_scan.h"
#include "fuzz/fuzz_run.h"

namespace {

struct Step {
  int result;
  uint64_t value;
  long position;
};

// The position after the white space that follows: the next read skips it, so
// whether a scan left it or took it makes no difference.
long position_after_space(FILE* file) {
  int c;
  do c = getc(file);
  while (c != EOF && isspace(c));
  if (c != EOF) ungetc(c, file);
  return ftell(file);
}

template <typename Value>
uint64_t bits_of(Value value) {
  uint64_t bits = 0;
  memcpy(&bits, &value, sizeof value);
  return bits;
}

// Runs both scanners over the text side by side; after a failed scan both drop
// the offending character and go on. Stops at the first difference.
template <typename Value, typename Own, typename Library>
void compare(const std::string& path, Own own, Library library, bool spaceAfterNumber) {
  FILE* ownFile = fopen(path.c_str(), "r");
  FILE* libraryFile = fopen(path.c_str(), "r");
  if (ownFile == nullptr || libraryFile == nullptr) abort();
  for (;;) {
    Value ownValue{}, libraryValue{};
    memset(&ownValue, 0x5a, sizeof ownValue);
    memset(&libraryValue, 0x5a, sizeof libraryValue);
    const int ownResult = own(ownFile, ownValue);
    const int libraryResult = library(libraryFile, libraryValue);
    const bool skip = spaceAfterNumber && ownResult == 1;
    const Step a{ownResult, bits_of(ownValue), skip ? position_after_space(ownFile) : ftell(ownFile)};
    const Step b{libraryResult, bits_of(libraryValue),
                 skip ? position_after_space(libraryFile) : ftell(libraryFile)};
    if (a.result != b.result || a.value != b.value || a.position != b.position) {
      fprintf(stderr, "scanners differ: result %d/%d value %llx/%llx position %ld/%ld\n", a.result, b.result,
              static_cast<unsigned long long>(a.value), static_cast<unsigned long long>(b.value), a.position,
              b.position);
      abort();
    }
    if (a.result == EOF) break;
    if (a.result == 0 && getc(ownFile) != getc(libraryFile)) abort();
  }
  fclose(ownFile);
  fclose(libraryFile);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  const std::string path = write_work_file("scan.txt", in.data, in.size);
  switch (in.flags & 3) {
    case 0:
      compare<int16_t>(
          path, scan_short, [](FILE* f, int16_t& v) { return fscanf(f, "%hi", &v); }, true);
      break;
    case 1:
      compare<uint32_t>(
          path, scan_hex_unsigned, [](FILE* f, uint32_t& v) { return fscanf(f, "%x", &v); }, true);
      break;
    case 2:
      compare<float>(
          path, scan_float, [](FILE* f, float& v) { return fscanf(f, "%f", &v); }, false);
      break;
    case 3: {
      // A token as the -xi reader takes it, against sscanf of "0x" and the token.
      std::string token(reinterpret_cast<const char*>(in.data), in.size);
      token = token.substr(0, strcspn(token.c_str(), " \t\n\v\f\r"));
      int16_t library = 0;
      if (sscanf(("0x" + token).c_str(), "%hi", &library) != 1) library = 0;
      if (hex_token_value(token) != library) abort();
      break;
    }
  }
  return 0;
}
