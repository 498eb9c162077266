// The coding table of MS-wav and NIST samples and the reader of headered inputs:
// every stored coding comes onto the 16-bit scale here and nowhere else.
#include "formats/coding.h"

#include <algorithm>
#include <array>
#include <bit>

#include "formats/codecs.h"
#include "formats/gradient.h"

namespace {

using enum SampleCoding;
using enum SampleSource;

// clang-format off
constexpr CodingRow codingTable[] = {
  // coding   bytes  MS-wav  NIST sample_coding    array     value of a stored x on the 16-bit scale
  {unsigned8, 1,     1,      {nullptr, nullptr},  shorts},  // (x - 128) * 256
  {signed8,   1,     0,      {"pcm", nullptr},    shorts},  // x * 256
  {linear16,  2,     1,      {"pcm", nullptr},    shorts},  // x
  {linear24,  3,     1,      {"pcm", nullptr},    floats},  // x / 256
  {linear32,  4,     1,      {"pcm", nullptr},    floats},  // x / 65536
  {float32,   4,     3,      {nullptr, nullptr},  floats},  // x * 32768
  {float64,   8,     3,      {nullptr, nullptr},  floats},  // x * 32768
  {alaw,      1,     6,      {"alaw", nullptr},   shorts},  // its 13-bit value (G.711) * 8
  {mulaw,     1,     7,      {"ulaw", "mu-law"},  shorts},  // its 14-bit value (G.711) * 4
};
// clang-format on

bool nist_names(const CodingRow& row, std::string_view name) {
  return (row.nistNames[0] != nullptr && name == row.nistNames[0]) ||
         (row.nistNames[1] != nullptr && name == row.nistNames[1]);
}

// The 16-bit-scale value of every byte of each one-byte coding.
struct ByteTables {
  std::array<int16_t, 256> unsigned8, signed8, alaw, mulaw;
};

ByteTables make_byte_tables() {
  ByteTables t{};
  for (size_t b = 0; b < 256; ++b) {
    t.unsigned8[b] = static_cast<int16_t>((static_cast<int>(b) - 128) * 256);
    t.signed8[b] = static_cast<int16_t>(static_cast<int8_t>(static_cast<uint8_t>(b)) * 256);
    t.alaw[b] = static_cast<int16_t>(alawDecodeTable[b] * 8);
    t.mulaw[b] = mulawDecodeTable[b];
  }
  return t;
}

const ByteTables byteTables = make_byte_tables();

const std::array<int16_t, 256>& byte_table(SampleCoding coding) {
  switch (coding) {
    case unsigned8: return byteTables.unsigned8;
    case signed8: return byteTables.signed8;
    case alaw: return byteTables.alaw;
    default: return byteTables.mulaw;
  }
}

// The stored bytes of one sample as an unsigned number.
uint64_t stored_bits(const uint8_t* bytes, size_t size, bool msbFirst) {
  uint64_t bits = 0;
  for (size_t k = 0; k < size; ++k) bits |= uint64_t{bytes[msbFirst ? size - 1 - k : k]} << (8 * k);
  return bits;
}

// A wide sample on the 16-bit scale, in double precision.
double scaled_value(SampleCoding coding, uint64_t bits) {
  const auto low = static_cast<uint32_t>(bits);
  switch (coding) {
    case linear24: return static_cast<double>(static_cast<int32_t>(low << 8) >> 8) / 256.0;
    case linear32: return static_cast<double>(static_cast<int32_t>(low)) / 65536.0;
    case float32: return static_cast<double>(std::bit_cast<float>(low)) * 32768.0;
    default: return std::bit_cast<double>(bits) * 32768.0;
  }
}

// The value as it enters the run, in single precision, held to the 16-bit range
// (32767.99998 would round to 32768: it is held to 32767). Both limits are floats
// and rounding keeps order, so holding before the rounding gives the same value,
// and no double beyond the range of a float is ever converted. NaN passes.
float entering_value(double value) {
  if (value > 32767.0) return 32767.0f;
  if (value < -32768.0) return -32768.0f;
  return static_cast<float>(value);
}

// Samples this block may take: a whole block, or what is left of the data.
size_t block_room(const RunState& run, const InputDescription& d) {
  if (d.dataLength < 0) return run.blockSize;
  const int64_t consumed = std::max<int64_t>(0, run.input.position - d.dataStart);
  const int64_t left = std::max<int64_t>(0, d.dataLength - consumed);
  return static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(run.blockSize), left / d.sampleBytes));
}

int read_wide_block(RunState& run, size_t most) {
  const InputDescription& d = run.inputDescription;
  const auto size = static_cast<size_t>(d.sampleBytes);
  const size_t count =
      read_items(run.input, run.storedBytes.data(), size, std::min(most, run.storedBytes.size() / size));
  for (size_t i = 0; i < count; ++i)
    run.floatBlock[i] =
        entering_value(scaled_value(d.coding, stored_bits(&run.storedBytes[i * size], size, d.swapBytes)));
  return static_cast<int>(count);
}

}  // namespace

CodingChoice wav_coding(int format, int bytes) {
  CodingChoice choice;
  for (const CodingRow& row : codingTable) {
    if (row.wavFormat != format) continue;
    choice.knownCoding = true;
    if (row.bytes == bytes) choice.row = &row;
  }
  return choice;
}

CodingChoice nist_coding(std::string_view name, int64_t bytes) {
  CodingChoice choice;
  for (const CodingRow& row : codingTable) {
    if (!nist_names(row, name)) continue;
    choice.knownCoding = true;
    if (row.bytes == bytes || (bytes < 0 && (choice.row == nullptr || row.bytes == 2))) choice.row = &row;
  }
  return choice;
}

InputDescription mode_description(FileMode mode) {
  InputDescription d;
  const ModeTraits* traits = mode_traits(mode);
  if (traits == nullptr) return d;
  d.sampleBytes = traits->sampleSize;
  d.samples = traits->samples == floats ? floats : shorts;
  return d;
}

void describe_coding(InputDescription& description, const CodingRow& row) {
  description.coding = row.coding;
  description.sampleBytes = row.bytes;
  description.samples = row.samples;
}

int read_byte_samples(RunState& run, size_t most, bool swapPairs, bool reverseBits,
                      const std::array<int16_t, 256>& values) {
  auto& bytes = run.inBytes;
  const int count = static_cast<int>(read_items(run.input, bytes.data(), 1, most));
  if (swapPairs) swap_byte_pairs(bytes.data(), count);
  if (reverseBits)
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) bytes[i] = bit_reverse8(bytes[i]);
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) run.inShorts[i] = values[bytes[i]];
  return count;
}

int read_coded_block(const RunSettings& s, RunState& run) {
  const InputDescription& d = run.inputDescription;
  const size_t most = block_room(run, d);
  if (d.coding == linear16) return read_linear16_block(run, most, d.swapBytes);
  if (d.sampleBytes == 1) {
    const bool companded = d.coding == alaw || d.coding == mulaw;
    return read_byte_samples(run, most, d.swapBytes, companded && s.bitReverse, byte_table(d.coding));
  }
  return read_wide_block(run, most);
}
