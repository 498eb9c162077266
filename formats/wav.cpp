// MS-wav (RIFF/WAVE, RF64): the input header with its chunk walk and the coding
// it names, and the 44-byte output header with its lengths made final.
#include "formats/wav.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/byte_fields.h"
#include "core/stop.h"
#include "formats/codecs.h"
#include "formats/coding.h"

namespace {

using ChunkId = std::array<uint8_t, 4>;

constexpr ChunkId riffId = {'R', 'I', 'F', 'F'};
constexpr ChunkId rf64Id = {'R', 'F', '6', '4'};
constexpr ChunkId ds64Id = {'d', 's', '6', '4'};
constexpr ChunkId formatId = {'f', 'm', 't', ' '};
constexpr ChunkId dataId = {'d', 'a', 't', 'a'};

// Byte offsets of the two lengths in the 44-byte output header.
constexpr off_t riffLengthOffset = 4;
constexpr off_t dataLengthOffset = 40;

[[noreturn]] void header_ends_early() { stop_with(1, "ERROR: PC-wav header ends early\n"); }

void read_exactly(InStream& in, uint8_t* bytes, size_t count) {
  if (read_items(in, bytes, 1, count) != count) header_ends_early();
}

ChunkId read_id(InStream& in) {
  ChunkId id;
  read_exactly(in, id.data(), id.size());
  return id;
}

// A 32-bit field, byte-reversed with -sw.
int32_t read_field32(InStream& in, bool swap) {
  uint8_t bytes[4];
  read_exactly(in, bytes, sizeof bytes);
  const int32_t value = read_le32(bytes);
  return swap ? jswap(value) : value;
}

int16_t read_field16(InStream& in) {
  uint8_t bytes[2];
  read_exactly(in, bytes, sizeof bytes);
  return read_le16(bytes);
}

// Moves the input on by `offset` bytes from where it stands (back for a format
// chunk shorter than 16 bytes). Past the end the next read finds nothing.
void skip_bytes(InStream& in, int64_t offset) {
  if (!skip_input(in, offset)) stop_on_errno(in.name);
}

// The id after a skipped chunk. A chunk of odd length is followed by a zero pad
// byte in files that keep RIFF's even alignment; no id begins with a zero byte,
// so anything else is already the id's first byte.
ChunkId read_id_after(InStream& in, uint32_t skippedLength) {
  if ((skippedLength & 1u) == 0) return read_id(in);
  ChunkId id;
  read_exactly(in, id.data(), 1);
  if (id[0] == 0) return read_id(in);
  read_exactly(in, id.data() + 1, id.size() - 1);
  return id;
}

// An RF64 file's "ds64" chunk: the 64-bit RIFF, data and sample-count lengths,
// then a table of other chunks' lengths. Returns the data length; -1 when the
// chunk is too short to hold it.
int64_t read_ds64(InStream& in, bool swap, uint32_t length) {
  if (length < 24) {
    skip_bytes(in, length);
    return -1;
  }
  std::array<uint8_t, 24> fields;
  read_exactly(in, fields.data(), fields.size());
  skip_bytes(in, static_cast<int64_t>(length) - 24);
  uint64_t data =
      static_cast<uint64_t>(read_le32u(&fields[8])) | static_cast<uint64_t>(read_le32u(&fields[12])) << 32;
  if (swap) data = __builtin_bswap64(data);
  return data > static_cast<uint64_t>(INT64_MAX) ? -1 : static_cast<int64_t>(data);
}

// "RIFF" (or "RF64"), its length, the form type, then the chunks up to "fmt ":
// each one before it is skipped with its chunk line, but for an RF64 file's
// "ds64", which is read for the 64-bit data length. Returns the format chunk's
// length.
int32_t read_riff_start(InStream& in, bool swap, int64_t& rf64DataLength) {
  const ChunkId riff = read_id(in);
  if (verbose) {
    for (uint8_t c : riff) printf("%c", c);
    printf("\n");
  }
  const bool rf64 = riff == rf64Id;
  if (riff != riffId && !rf64) stop_with(1, "ERROR: not a PC-wav file\n");
  printf("seems like a PC-wav file\n");
  const int32_t riffLength = read_field32(in, swap);
  if (verbose) printf("len = %ld\n", static_cast<long>(riffLength));
  const ChunkId form = read_id(in);
  if (verbose) print_chunk_id(form.data());
  ChunkId id = read_id(in);
  int32_t length = read_field32(in, swap);
  while (id != formatId) {
    const auto skipped = static_cast<uint32_t>(length);
    if (rf64 && id == ds64Id) {
      rf64DataLength = read_ds64(in, swap, skipped);
    } else {
      print_chunk_id(id.data());
      skip_bytes(in, skipped);
    }
    id = read_id_after(in, skipped);
    length = read_field32(in, swap);
  }
  if (verbose) print_chunk_id(id.data());
  if (verbose) printf("len = %ld\n", static_cast<long>(length));
  return length;
}

// The fields of the format chunk that the run uses or shows.
struct FormatFields {
  int16_t tag = 0;
  int16_t channels = 0;
  int32_t bytesPerSec = 0;
  int16_t blockAlign = 0;
  int16_t bitsPerSample = 0;
  int subFormat = -1;         // the code of an extensible chunk's sub-format GUID
  bool standardGuid = false;  // the GUID is one of the standard audio sub-formats
};

constexpr int16_t extensibleTag = -2;  // 0xFFFE
// The standard sub-format GUIDs end alike: KSDATAFORMAT_SUBTYPE_PCM is
// 00000001-0000-0010-8000-00aa00389b71, as stored; the float one begins with 3.
constexpr std::array<uint8_t, 16> pcmSubFormat = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                  0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// The first 16 bytes of the format chunk; rate goes to the run.
FormatFields read_format_fields(RunSettings& s, InStream& in) {
  FormatFields fields;
  fields.tag = read_field16(in);
  fields.channels = read_field16(in);
  s.rate = read_field32(in, false);
  if (s.swapInput) {
    fields.tag = swap16(fields.tag);
    fields.channels = swap16(fields.channels);
    s.rate = jswap(s.rate);
  }
  printf(" version          = %d\n", fields.tag);
  printf(" channel          = %d\n", fields.channels);
  printf(" rate             = %ld\n", static_cast<long>(s.rate));
  fields.bytesPerSec = read_field32(in, false);
  fields.blockAlign = read_field16(in);
  fields.bitsPerSample = read_field16(in);
  if (verbose) printf("read_len = %ld\n", 16L);
  return fields;
}

// The extension of a 40-byte (or longer) extensible format chunk: size, valid
// bits, channel mask, then the sub-format GUID, whose first two bytes are the
// code of the format it stands for (1 PCM, 3 float, 6 A-law, 7 mu-law). Returns
// the bytes read.
int64_t read_extension(InStream& in, bool swap, FormatFields& fields, uint32_t formatLength) {
  if (fields.tag != extensibleTag || formatLength < 40) return 0;
  std::array<uint8_t, 24> extension;
  read_exactly(in, extension.data(), extension.size());
  const uint8_t* guid = &extension[8];
  int32_t first = read_le32(guid);
  if (swap) first = jswap(first);
  fields.standardGuid = std::equal(pcmSubFormat.begin() + 4, pcmSubFormat.end(), guid + 4) &&
                        static_cast<uint32_t>(first) >> 16 == 0;
  fields.subFormat = static_cast<int>(first & 0xFFFF);
  return static_cast<int64_t>(extension.size());
}

// Skips chunk after chunk until the stream stands at the contents of "data";
// returns the data chunk's length.
uint32_t walk_to_data(InStream& in, bool swap, ChunkId id, int32_t length) {
  while (id != dataId) {
    const auto skipped = static_cast<uint32_t>(length);
    skip_bytes(in, skipped);
    id = read_id_after(in, skipped);
    print_chunk_id(id.data());
    length = read_field32(in, swap);
  }
  return static_cast<uint32_t>(length);
}

// One sample of one channel: bits / 8 bytes when the block is that times the
// channel count (interleaved channels); otherwise the block align, as written.
int sample_size_of(const FormatFields& fields) {
  const int bits = fields.bitsPerSample;
  const bool whole = bits == 8 || bits == 16 || bits == 24 || bits == 32 || bits == 64;
  if (whole && fields.blockAlign == fields.channels * (bits / 8)) return bits / 8;
  return fields.blockAlign;
}

// The bytes of samples the data chunk holds; -1 for "to the end of the file":
// 0 and 0xFFFFFFFF are written by programs that stream to a pipe, and an RF64
// file states its length in "ds64".
int64_t data_bytes(uint32_t dataLength, int64_t rf64DataLength) {
  if (dataLength == 0xFFFFFFFFu && rf64DataLength > 0) return rf64DataLength;
  return dataLength != 0 && dataLength != 0xFFFFFFFFu ? static_cast<int64_t>(dataLength) : -1;
}

// The description the run takes from the header, or the refusal of what it
// cannot read right; nothing is printed after a refusal.
void describe_wav(const RunSettings& s, InputDescription& d, const FormatFields& fields, int64_t dataLength) {
  const bool extensible = fields.tag == extensibleTag && fields.subFormat >= 0;
  const int format = extensible ? fields.subFormat : fields.tag;
  const int bytes = sample_size_of(fields);
  const CodingChoice choice = extensible && !fields.standardGuid ? CodingChoice{} : wav_coding(format, bytes);
  if (!choice.knownCoding) stop_with(1, "can't handle MS-wav format %d\n", format);
  if (choice.row == nullptr) stop_with(1, "can't handle %d bytes_per_sample\n", bytes);
  describe_coding(d, *choice.row);
  // -sw exchanges the bytes of 16-bit samples and neighbouring 8-bit ones.
  d.swapBytes = s.swapInput && bytes <= 2;
  d.channels = fields.channels;
  d.dataLength = dataLength;
  d.skipFromData = true;
}

// The most data bytes the two 32-bit length fields can state; beyond it both
// say 0xFFFFFFFF, "read to the end of the file".
constexpr uint64_t longestStatedData = 0xFFFFFFFFu - 36u;
constexpr uint32_t unknownLength = 0xFFFFFFFFu;

// The header's RIFF and data lengths for `dataBytes` of samples.
struct HeaderLengths {
  uint32_t riff;
  uint32_t data;
};

HeaderLengths lengths_for(uint64_t dataBytes) {
  if (dataBytes > longestStatedData) return {unknownLength, unknownLength};
  return {static_cast<uint32_t>(dataBytes) + 36u, static_cast<uint32_t>(dataBytes)};
}

// One length field of the written header, in the header's byte order, written
// in place beside the stream (whose buffer is empty by now).
bool rewrite_length(int fd, off_t offset, uint32_t value, bool swap) {
  uint8_t bytes[4];
  if (swap)
    write_be32(bytes, static_cast<int32_t>(value));
  else
    write_le32(bytes, static_cast<int32_t>(value));
  return pwrite(fd, bytes, sizeof bytes, offset) == static_cast<ssize_t>(sizeof bytes);
}

// The data bytes of the whole frames that stand in the file behind the header:
// the samples written, or fewer when the disk took less.
bool data_bytes_in_file(const RunSettings& s, const RunState& run, uint64_t& dataBytes) {
  struct stat status;
  if (fstat(fileno(run.output.file), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  if (status.st_size < 44) return false;
  const uint64_t frameBytes = 2 * static_cast<uint64_t>(s.channels);
  const uint64_t stored =
      std::min(static_cast<uint64_t>(status.st_size - 44), 2 * static_cast<uint64_t>(run.nsample));
  dataBytes = stored / frameBytes * frameBytes;
  return true;
}

}  // namespace

void print_chunk_id(const uint8_t* id) {
  printf("chunk: <");
  for (int i = 0; i < 4; ++i) printf("%c", id[i]);
  printf(">\n");
}

// The input header as it is read (numbers least significant byte first, each
// one byte-reversed with -sw):
//
//  offset  field                      use
//   0      "RIFF" (or "RF64")         compared; anything else is refused
//   4      32-bit RIFF length         shown with -v
//   8      form type ("WAVE")         shown with -v, not checked
//  12      chunks before "fmt "       skipped with their chunk lines; an RF64
//                                     file's "ds64" gives the 64-bit data length
//   +0     chunk id ("fmt ")          shown with -v
//   +4     32-bit format length       the chunk's bytes after the first 16 are skipped
//   +8     16-bit format tag          shown as version; with the sample size it
//                                     selects the coding (1 PCM, 3 float, 6 A-law,
//                                     7 mu-law, 0xFFFE extensible: its sub-format)
//  +10     16-bit channel count       -> channels when above 1 and no -nc
//  +12     32-bit sampling rate       -> rate
//  +16     32-bit bytes per second    shown only
//  +20     16-bit block align         shown; with the bits, the sample size
//  +22     16-bit bits per sample     shown with -v
//  +24     extensible only: 2 size, 2 valid bits, 4 channel mask, 16 GUID
//  then chunks (4-byte id, 32-bit length, contents, a zero pad byte after odd
//  contents) up to "data", whose contents are the samples; its length bounds
//  them (0 or 0xFFFFFFFF: to the end of the file, or the "ds64" length).
void read_wav_header(RunSettings& s, RunState& run) {
  InStream& in = run.input;
  const bool swap = s.swapInput;
  int64_t rf64DataLength = -1;
  const int32_t formatLength = read_riff_start(in, swap, rf64DataLength);
  FormatFields fields = read_format_fields(s, in);
  const auto formatBytes = static_cast<uint32_t>(formatLength);
  const int64_t extensionBytes = read_extension(in, swap, fields, formatBytes);
  skip_bytes(in, static_cast<int64_t>(formatBytes) - 16 - extensionBytes);
  const ChunkId id = read_id(in);
  int32_t length = read_field32(in, false);
  if (swap) {
    fields.bytesPerSec = jswap(fields.bytesPerSec);
    fields.blockAlign = swap16(fields.blockAlign);
    fields.bitsPerSample = swap16(fields.bitsPerSample);
    length = jswap(length);
  }
  printf(" bytes_per_sec    = %ld\n", static_cast<long>(fields.bytesPerSec));
  printf(" bytes_per_sample = %d\n", fields.blockAlign);
  if (verbose) printf(" nbit = %d\n", fields.bitsPerSample);
  print_chunk_id(id.data());
  if (verbose) printf(" len = %ld\n", static_cast<long>(length));
  const uint32_t dataLength = walk_to_data(in, swap, id, length);
  describe_wav(s, run.inputDescription, fields, data_bytes(dataLength, rf64DataLength));
}

// The 44-byte output header (numbers least significant byte first, most
// significant first with -swo):
//
//  offset  field                      value
//   0      "RIFF"
//   4      32-bit RIFF length         data length + 36
//   8      "WAVE" "fmt "
//  16      32-bit format length       16
//  20      16-bit format tag          1 (PCM)
//  22      16-bit channel count       channels
//  24      32-bit sampling rate       rate / increment: the rate of the samples written
//  28      32-bit bytes per second    that rate * 2 * channels
//  32      16-bit block align         2 * channels
//  34      16-bit bits per sample     16
//  36      "data"
//  40      32-bit data length         length * 2
//
// The samples written are always 16-bit, interleaved over the channels.
void write_wav_header(const RunSettings& s, RunState& run, WavState& wav) {
  // The declared length in whole frames. One beyond what the fields can state is
  // written as unknown; below it the fields keep the 32-bit arithmetic, as for
  // negative lengths. Without a length, a stream that cannot be positioned for the
  // final lengths says "to the end of the file", which readers take whole.
  const uint32_t frameBytes = 2u * static_cast<uint32_t>(s.channels);
  const uint32_t dataBytes = static_cast<uint32_t>(s.length) * 2u / frameBytes * frameBytes;
  const bool tooLong = s.length > 0 && 2 * static_cast<uint64_t>(s.length) > longestStatedData;
  const bool unknown = tooLong || (s.length <= 0 && lseek(fileno(run.output.file), 0, SEEK_CUR) < 0);
  int32_t dataLength = static_cast<int32_t>(unknown ? unknownLength : dataBytes);
  int32_t formatLength = 16;
  int32_t riffLength = static_cast<int32_t>(unknown ? unknownLength : dataBytes + 16u + 20u);
  int16_t tag = 1;
  int16_t channels = static_cast<int16_t>(static_cast<uint16_t>(s.channels));
  int32_t rate = s.rate / s.increment;
  int32_t bytesPerSec = static_cast<int32_t>(static_cast<uint32_t>(rate) * frameBytes);
  int16_t blockAlign = static_cast<int16_t>(static_cast<uint16_t>(frameBytes));
  int16_t bitsPerSample = 16;
  printf(" version = %d\n channel = %d\n rate = %ld\n", tag, s.channels, static_cast<long>(rate));
  if (verbose) {
    printf("len = %ld\n", static_cast<long>(dataLength));
    printf(" bytes_per_sec = %ld\n", static_cast<long>(bytesPerSec));
    printf(" bytes_per_sample = %d\n", blockAlign);
    printf(" nbit = %d\n", bitsPerSample);
  }
  if (s.swapOutput) {
    dataLength = jswap(dataLength);
    formatLength = jswap(formatLength);
    riffLength = jswap(riffLength);
    tag = swap16(tag);
    channels = swap16(channels);
    rate = jswap(rate);
    bytesPerSec = jswap(bytesPerSec);
    blockAlign = swap16(blockAlign);
    bitsPerSample = swap16(bitsPerSample);
  }
  std::array<uint8_t, 44> header{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  write_le32(&header[4], riffLength);
  write_le32(&header[16], formatLength);
  write_le16(&header[20], tag);
  write_le16(&header[22], channels);
  write_le32(&header[24], rate);
  write_le32(&header[28], bytesPerSec);
  write_le16(&header[32], blockAlign);
  write_le16(&header[34], bitsPerSample);
  header[36] = 'd', header[37] = 'a', header[38] = 't', header[39] = 'a';
  write_le32(&header[40], dataLength);
  write_bytes(run.output, header.data(), header.size());
  wav.headerWritten = true;
}

// The header was written before the samples from the length known then; at any
// end of the run the two lengths are set from the samples that reached the file,
// 2 bytes each. Pipes keep the header as first written.
void finish_wav_header(const RunSettings& s, RunState& run, const WavState& wav, bool checked) {
  OutStream& out = run.output;
  if (!wav.headerWritten || out.file == nullptr) return;
  if ((fflush(out.file) != 0 || ferror(out.file)) && checked) stop_on_errno(out.name);
  uint64_t dataBytes = 0;
  if (!data_bytes_in_file(s, run, dataBytes)) return;
  const HeaderLengths lengths = lengths_for(dataBytes);
  const int fd = fileno(out.file);
  const bool written = rewrite_length(fd, riffLengthOffset, lengths.riff, s.swapOutput) &&
                       rewrite_length(fd, dataLengthOffset, lengths.data, s.swapOutput);
  if (!written && checked) stop_on_errno(out.name);
  if (lengths.data == unknownLength) {
    fflush(stdout);
    fprintf(stderr, "%s: too long for an MS-wav header, lengths written as unknown\n", out.name.c_str());
  }
}
