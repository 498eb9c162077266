// The user-defined format: reading and showing a description file, and writing
// samples as it says: "%g" or "%d" lines, or float, short or long binary words.
#include "formats/user_format.h"

#include <array>
#include <bit>
#include <memory>

#include "core/stop.h"
#include "core/text_block.h"
#include "core/text_format.h"
#include "formats/registry.h"

static UserType type_from_word(const std::string& word) {
  if (word == "float") return TYPE_FLOAT;
  if (word == "short") return TYPE_SHORT;
  if (word == "long") return TYPE_LONG;
  if (word == "int") return TYPE_INT;
  if (word == "char") return TYPE_CHAR;
  return TYPE_OTHER;
}

void read_format_description(InStream& in, FormatDescription& description) {
  std::string word, value;
  while (read_token(in, word)) {
    printf("%s\n", word.c_str());
    // A <name> or <data> that is the last word leaves its field as it was.
    if (word == "<name>") {
      if (read_token(in, value)) description.name = value;
    } else if (word == "<data>") {
      if (read_token(in, value)) description.type = type_from_word(value);
    } else if (word == "<binary>") {
      description.mode = FORM_BINARY;
    } else if (word == "<ascii>") {
      description.mode = FORM_ASCII;
    }
  }
}

static const char* mode_word(UserForm mode) {
  switch (mode) {
    case FORM_ASCII: return "ascii";
    case FORM_BINARY: return "binary";
    case FORM_UNKNOWN: break;
  }
  return "UNKNOWN";
}

static const char* type_word(UserType type) {
  switch (type) {
    case TYPE_CHAR: return "char";
    case TYPE_INT: return "int";
    case TYPE_SHORT: return "short";
    case TYPE_LONG: return "long";
    case TYPE_FLOAT: return "float";
    case TYPE_OTHER: break;
  }
  return "UNKNOWN";
}

void print_format_description(const FormatDescription& description) {
  printf("name:   %s\n", description.name.c_str());
  printf("mode:   %s\n", mode_word(description.mode));
  printf("type:   %s\n", type_word(description.type));
}

// The file is closed however the reading ends, a read error included.
static void load_description(const std::string& fileName, FormatDescription& description) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(open_or_die(fileName, "r"), fclose);
  InStream in{file.get(), fileName, nullptr};
  read_format_description(in, description);
  print_format_description(description);
}

void read_format_descriptions(const RunSettings& s, UserFormatState& user) {
  if (s.inmode == MODE_USER) load_description(s.inDescFile.value_or(""), user.inDescription);
  if (s.outmode == MODE_USER) load_description(s.outDescFile.value_or(""), user.outDescription);
}

static void write_user_text(RunState& run, const FormatDescription& description, int count) {
  TextBlock text{run.output};
  if (description.type == TYPE_FLOAT) {
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) text_general_line(text, run.floatBlock[i]);
  } else {
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
      char line[16];
      char* end = format_decimal(line, run.outShorts[i]);
      *end++ = '\n';
      text_append(text, std::string_view(line, static_cast<size_t>(end - line)));
    }
  }
  text_flush(text);
}

// Binary words in the host's little-endian order; -swo does not apply here.
static_assert(std::endian::native == std::endian::little, "user binary words are written as held");
static void write_user_binary(RunState& run, const FormatDescription& description, int count) {
  const size_t n = static_cast<size_t>(count);
  switch (description.type) {
    case TYPE_FLOAT: write_bytes(run.output, run.floatBlock.data(), 4 * n); return;
    case TYPE_SHORT: write_bytes(run.output, run.outShorts.data(), 2 * n); return;
    case TYPE_LONG: {
      std::array<int32_t, BUFSIZE> longs;
      for (size_t i = 0; i < n; ++i) longs[i] = run.outShorts[i];
      write_bytes(run.output, longs.data(), 4 * n);
      return;
    }
    default: check_user_description(description);
  }
}

void check_user_description(const FormatDescription& description) {
  if (description.mode == FORM_ASCII) return;
  switch (description.type) {
    case TYPE_FLOAT:
    case TYPE_SHORT:
    case TYPE_LONG: return;
    case TYPE_INT: stop_with(1, "PLEASE use either short or long!\n");
    default: stop_with(1, "Unknown output type in USER mode!\n");
  }
}

int64_t user_value_bytes(const FormatDescription& description) {
  if (description.mode == FORM_ASCII) return 0;
  return description.type == TYPE_SHORT ? 2 : 4;
}

void write_user_block(RunState& run, const FormatDescription& description, int count) {
  if (description.mode == FORM_ASCII)
    write_user_text(run, description, count);
  else
    write_user_binary(run, description, count);
}
