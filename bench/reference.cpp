// The benchmark's own generator and reference converter: straightforward stdio
// code that makes the test signal and the output each conversion must give.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<int16_t> read_voc(const char* name) {
  FILE* in = fopen(name, "rb");
  if (!in) {
    perror(name);
    exit(1);
  }
  std::vector<int16_t> samples;
  int16_t block[4096];
  size_t n;
  while ((n = fread(block, 2, 4096, in)) > 0) samples.insert(samples.end(), block, block + n);
  fclose(in);
  return samples;
}

FILE* create(const char* name) {
  FILE* out = fopen(name, "wb");
  if (!out) {
    perror(name);
    exit(1);
  }
  return out;
}

// A speech-like test signal: two drifting partials, an envelope and noise.
void generate(long count, const char* name) {
  FILE* out = create(name);
  uint32_t noise = 12345;
  for (long i = 0; i < count; ++i) {
    const double t = i / 16000.0;
    noise = noise * 1664525u + 1013904223u;
    const double envelope = 0.55 + 0.45 * std::sin(2 * M_PI * 3.1 * t);
    const double v = envelope * (9000 * std::sin(2 * M_PI * (180 + 40 * std::sin(t)) * t) +
                                 4000 * std::sin(2 * M_PI * 1234 * t)) +
                     ((noise >> 16) % 2001) - 1000;
    const auto sample = static_cast<int16_t>(std::lround(v));
    fwrite(&sample, 2, 1, out);
  }
  fclose(out);
}

void put32(FILE* out, uint32_t v) { fwrite(&v, 4, 1, out); }
void put16(FILE* out, uint16_t v) { fwrite(&v, 2, 1, out); }

void wav(const char* in, const char* name) {
  std::vector<int16_t> s = read_voc(in);
  FILE* out = create(name);
  const uint32_t data = static_cast<uint32_t>(s.size() * 2);
  fwrite("RIFF", 1, 4, out);
  put32(out, data + 36);
  fwrite("WAVEfmt ", 1, 8, out);
  put32(out, 16);
  put16(out, 1);
  put16(out, 1);
  put32(out, 16000);
  put32(out, 32000);
  put16(out, 2);
  put16(out, 16);
  fwrite("data", 1, 4, out);
  put32(out, data);
  fwrite(s.data(), 2, s.size(), out);
  fclose(out);
}

void ascii(const char* in, const char* name) {
  FILE* out = create(name);
  for (int16_t v : read_voc(in)) fprintf(out, "%d\n", v);
  fclose(out);
}

// G.711 A-law of a 13-bit value, saturating at the largest code of the sign.
uint8_t alaw(int value) {
  const uint8_t sign = value < 0 ? 0x00 : 0x80;
  int magnitude = value < 0 ? -value : value;
  if (magnitude > 4095) magnitude = 4095;
  int segment = 0;
  while (segment < 7 && magnitude >= (32 << segment)) ++segment;
  const int shift = segment == 0 ? 1 : segment;
  return static_cast<uint8_t>((((magnitude >> shift) & 0x0F) | (segment << 4) | sign) ^ 0x55);
}

void alaw_file(const char* in, double scale, const char* name) {
  FILE* out = create(name);
  const float factor = static_cast<float>(scale);
  for (int16_t v : read_voc(in)) {
    const float x = static_cast<float>(v * static_cast<double>(factor));
    fputc(alaw(static_cast<int>(x)), out);
  }
  fclose(out);
}

void float_ascii(const char* in, const char* name) {
  FILE* out = create(name);
  for (int16_t v : read_voc(in)) fprintf(out, "%g\n", static_cast<double>(static_cast<float>(v)));
  fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && !strcmp(argv[1], "gen"))
    generate(atol(argv[2]), argv[3]);
  else if (argc == 4 && !strcmp(argv[1], "wav"))
    wav(argv[2], argv[3]);
  else if (argc == 4 && !strcmp(argv[1], "ascii"))
    ascii(argv[2], argv[3]);
  else if (argc == 5 && !strcmp(argv[1], "alaw"))
    alaw_file(argv[2], atof(argv[3]), argv[4]);
  else if (argc == 4 && !strcmp(argv[1], "fas"))
    float_ascii(argv[2], argv[3]);
  else {
    fprintf(stderr, "usage: %s gen N out.voc | wav|ascii|fas in.voc out | alaw in.voc scale out\n", argv[0]);
    return 2;
  }
  return 0;
}
