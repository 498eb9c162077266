// Option scanning for sndconv: whole-word, case-sensitive matching in a fixed
// order; values are consumed whatever they look like; the last two words are names.
#include "driver/command_line.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/stop.h"
#include "core/value_scan.h"
#include "formats/registry.h"

namespace {

// The version number comes from the build (project VERSION in CMakeLists.txt).
constexpr char banner[] = "Tamsel Audio Conversion Tool,  Version " SNDCONV_VERSION "\n";

enum Option {
  OPT_V,
  OPT_XI,
  OPT_XO,
  OPT_SW,
  OPT_SWO,
  OPT_BR,
  OPT_C_UPPER,
  OPT_C,
  OPT_S,
  OPT_S_UPPER,
  OPT_NS,
  OPT_N,
  OPT_AT,
  OPT_ET,
  OPT_M,
  OPT_R_UPPER,
  OPT_L_UPPER,
  OPT_LF_UPPER,
  OPT_L,
  OPT_AI,
  OPT_R,
  OPT_LE,
  OPT_LI,
  OPT_HS,
  OPT_NC,
  OPT_INC,
  OPT_I,
  OPT_CM,
  OPT_CM_TR,
  OPT_CM_ID,
  OPT_LF,
  OPT_LFO,
  OPT_TIER,
  OPT_SPLIT,
  OPT_MANIFEST,
  OPT_O,
  OPT_I_UPPER,
  OPT_O_UPPER,
  OPT_A_S,
  OPT_A_ADPCM,
  OPT_A_LIN,
  OPT_A_R2L,
  OPT_A_H,
  OPT_A_C,
  OPTION_COUNT
};

struct OptionWord {
  const char* word;
  bool takesValue;
};

// In the order of testing.
constexpr OptionWord optionWords[OPTION_COUNT] = {
    {"-v", false},     {"-xi", false},    {"-xo", false},  {"-sw", false},    {"-swo", false},
    {"-br", false},    {"-C", false},     {"-c", true},    {"-s", true},      {"-S", false},
    {"-ns", false},    {"-N", false},     {"-at", true},   {"-et", true},     {"-m", true},
    {"-R", true},      {"-L", false},     {"-LF", true},   {"-l", true},      {"-ai", true},
    {"-r", true},      {"-le", true},     {"-LI", true},   {"-hs", true},     {"-nc", true},
    {"-inc", true},    {"-i", true},      {"-cm", false},  {"-cm_tr", true},  {"-cm_id", true},
    {"-lf", true},     {"-lfo", true},    {"-tier", true}, {"-split", false}, {"-manifest", true},
    {"-o", true},      {"-I", true},      {"-O", true},    {"-a_s", true},    {"-a_adpcm", false},
    {"-a_lin", false}, {"-a_r2l", false}, {"-a_h", true},  {"-a_c", true},
};

int find_option(const char* word) {
  for (int k = 0; k < OPTION_COUNT; ++k)
    if (strcmp(word, optionWords[k].word) == 0) return k;
  return -1;
}

// "-LI": the length is read from the first number of the file at once. A file
// without a number leaves it; one that cannot be read (a folder) ends the run.
void read_length_file(RunSettings& s, const std::string& name) {
  FILE* file = open_or_die(name, "r");
  parse_int64(file, s.length);
  const bool failed = ferror(file) != 0;
  const int reason = errno;
  fclose(file);
  if (failed) {
    errno = reason;
    stop_on_errno(name);
  }
  s.lengthFile = name;
  s.lengthInFile = name;
}

// "-r": a whole number of samples a second, with "k" for thousands ("16k",
// "44.1k", "22.05k"); held to the 32-bit range like every integer option.
void parse_rate(const std::string& value, int32_t& rate) {
  size_t at = value.find_first_not_of(' ');
  at = at == std::string::npos ? value.size() : at;
  const bool negative = at < value.size() && value[at] == '-';
  if (at < value.size() && (value[at] == '-' || value[at] == '+')) ++at;
  long double number = 0, scale = 1;
  bool digits = false, fraction = false;
  for (; at < value.size(); ++at) {
    const char c = value[at];
    if (c >= '0' && c <= '9') {
      number = number * 10 + (c - '0');
      scale *= fraction ? 10 : 1;
      digits = true;
    } else if (c == '.' && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  const bool thousands = at < value.size() && value[at] == 'k';
  number = number / scale * (thousands ? 1000 : 1);
  at += thousands ? 1 : 0;
  if (!digits || at != value.size() || number != std::floor(number))
    stop_with(1, "don't understand %s\n", value.c_str());
  if (negative) number = -number;
  if (number < 1) stop_with(1, "sampling rate must be at least 1\n");
  rate = number > INT32_MAX ? INT32_MAX : static_cast<int32_t>(number);
}

void apply_option(RunSettings& s, int option, const std::string& value) {
  switch (option) {
    case OPT_V: verbose = true; break;
    case OPT_XI: s.hexInput = true; break;
    case OPT_XO: s.hexOutput = true; break;
    case OPT_SW: s.swapInput = true; break;
    case OPT_SWO: s.swapOutput = true; break;
    case OPT_BR: s.bitReverse = true; break;
    case OPT_C_UPPER: s.signExtend12 = true; break;
    case OPT_C: parse_float(value, s.clip_value); break;
    case OPT_S: parse_float(value, s.scale_factor); break;
    case OPT_S_UPPER: s.statsLevel = 2; break;
    case OPT_NS: s.statsLevel = 0; break;
    case OPT_N: s.showNistHeader = true; break;
    case OPT_AT: parse_double(value, s.startTime); break;
    case OPT_ET: parse_double(value, s.endTime); break;
    case OPT_M: parse_float(value, s.scale_mean); break;
    case OPT_R_UPPER: parse_float(value, s.refLevel); break;
    case OPT_L_UPPER: s.lengthOnly = true; break;
    case OPT_LF_UPPER:
      s.lengthOnly = true;
      s.lengthFile = value;
      break;
    case OPT_L: parse_int64(value, s.maxsample); break;
    case OPT_AI: parse_int(value, s.valuesPerSample); break;
    case OPT_R: parse_rate(value, s.rate); break;
    case OPT_LE: parse_int64(value, s.length); break;
    case OPT_LI: read_length_file(s, value); break;
    case OPT_HS: parse_int64(value, s.skip_size); break;
    case OPT_NC:
      parse_int(value, s.channels);
      s.channelsGiven = true;
      break;
    case OPT_INC: parse_int(value, s.increment); break;
    case OPT_I: s.inModeName = value; break;
    case OPT_CM: s.composeName = true; break;
    case OPT_CM_TR:
      s.transliteration = value;
      s.composeName = true;
      break;
    case OPT_CM_ID:
      s.speakerId = value;
      s.composeName = true;
      break;
    case OPT_LF: s.labelFile = value; break;
    case OPT_LFO: s.labelOutFile = value; break;
    case OPT_TIER: s.labelTier = value; break;
    case OPT_SPLIT: s.split = true; break;
    case OPT_MANIFEST: s.manifestFile = value; break;
    case OPT_O: s.outModeName = value; break;
    case OPT_I_UPPER: s.inDescFile = value; break;
    case OPT_O_UPPER: s.outDescFile = value; break;
    case OPT_A_S: parse_int(value, s.asmWordSize); break;
    case OPT_A_ADPCM: s.asmAdpcm = true; break;
    case OPT_A_LIN: s.asmLinear = true; break;
    case OPT_A_R2L: s.asmRightToLeft = true; break;
    case OPT_A_H: s.asmHeader = value; break;
    case OPT_A_C: s.asmComment = value; break;
  }
}

const char* or_empty(const std::optional<std::string>& name) { return name ? name->c_str() : ""; }

// "--help": the options the help text above does not list.
void print_more_options() {
  printf("\n");
  printf("more options:\n");
  printf("   -split      :  cut every labelled segment of -lf into its own file; outname is a\n");
  printf("                  pattern: %%n segment number (0001), %%l its label, %%b input name, %%%% a %%\n");
  printf("   -manifest f :  with -split, list the files with label, times and frames in f\n");
  printf("   -tier t     :  the TextGrid tier to take, by name or number from 1\n");
  printf("   -r 16k      :  a sampling rate in thousands (16k, 44.1k, 22.05k)\n");
}

}  // namespace

void print_usage(const RunSettings& s, const char* programName, bool moreOptions) {
  fputs(banner, stdout);
  printf("USAGE: %s [ ... ] inname outname\n", programName);
  printf("   -s x      :    scale factor                   D=1.\n");
  printf("   -m x      :    mean to subtract               D=0.\n");
  printf("   -c x      :    limit values to [-x,+x]        D=no\n");
  printf("   -C        :    enable clipping in ASCII mode  D=no\n");
  printf("   -sw       :    swap bytes from input          D=no\n");
  printf("   -swo      :    swap bytes before output       D=no\n");
  printf("   -l n      :    max. number of samples         D=all\n");
  printf("   -le n     :    length (needed for wav output) D=%lld\n", static_cast<long long>(s.length));
  printf("   -hs n     :    skip first n samples           D=0 \n");
  printf("   -nc n     :    number of channels             D=%d\n", s.channels);
  printf("   -at t     :    set start time [sec] for copy  D=0 \n");
  printf("   -et t     :    set end time [sec] for copy    D=end\n");
  printf("   -inc n    :    increment                      D=%d \n", s.increment);
  printf("   -r  n     :    sampling rate                  D=%ld\n", static_cast<long>(s.rate));
  printf("   -v        :    verbose mode                   D=no\n");
  printf("   -S        :    give more statistics           D=no\n");
  printf("   -L        :    print ONLY the length info.    D=no\n");
  printf("   -LF name  :    save the length in file name   D=no\n");
  printf("   -LI name  :    read the length from file name D=no\n");
  printf("   -ns       :    no statistics                  D=no\n");
  printf("   -N        :    display NIST header            D=no\n");
  printf("   -R  x     :    reference level for dB         D=none\n");
  printf("   -xi       :    ASCII input in hex             D=no\n");
  printf("   -xo       :    ASCII output in hex            D=no\n");
  printf("   -i name   :    use name to set input mode         \n");
  printf("   -o name   :    use name to set output mode        \n");
  printf("   -lf name  :    name of the label file         D=%s\n", or_empty(s.labelFile));
  printf("   -lfo name :    name of the label output file  D=%s\n", or_empty(s.labelOutFile));
  printf("   -cm       :    compose outname from tr, id    D=no\n");
  printf("   -cm_tr    :    transliteration (incl. -cm)    D=%s\n", s.transliteration.c_str());
  printf("   -cm_id    :    speaker id      (incl. -cm)    D=%s\n", s.speakerId.c_str());
  printf("   -a_s n    :    size of asm word in samples    D=%d\n", s.asmWordSize);
  printf("   -a_h text :    assembler header for samples   D=%s\n", s.asmHeader.c_str());
  printf("   -a_c text :    assembler comment              D=%s\n", s.asmComment.c_str());
  printf("   -a_adpcm  :    assembler ADPCM input          D=no\n");
  print_known_extensions();
  if (moreOptions) print_more_options();
  fflush(stdout);
  stop_run(0);
}

void parse_command_line(RunSettings& s, int argc, char** argv) {
  s.commandLine.assign(argv, argv + argc);
  const int last = argc - 1;
  if (last < 1) stop_with(0, "no inputs?! --  -h gives help\n");
  // A lone "--help" gives the help text like any other lone word, "--version" the banner.
  if (last == 1 && (strcmp(argv[1], "-V") == 0 || strcmp(argv[1], "--version") == 0))
    stop_with(0, "%s", banner);
  for (int i = 1; i <= last; ++i) {
    const char* word = argv[i];
    if (last == 1 || strcmp(word, "-h") == 0 || strcmp(word, "-?") == 0)
      print_usage(s, argv[0], last == 1 && strcmp(word, "--help") == 0);
    const int option = find_option(word);
    if (option < 0) {
      if (i != last - 1) stop_with(1, "don't understand %s\n", word);
      s.inname = argv[i];
      s.outname = argv[last];
      return;
    }
    std::string value;
    if (optionWords[option].takesValue) {
      if (i == last) stop_with(1, "missing value for %s\n", word);
      value = argv[++i];
    }
    apply_option(s, option, value);
  }
}

// "-split" cuts every segment by the label file alone, into names of its own.
static void check_split(const RunSettings& s) {
  if (!s.split) {
    if (s.manifestFile) stop_with(1, "-manifest can only be used with -split\n");
    return;
  }
  const std::pair<bool, const char*> excluded[] = {{s.labelOutFile.has_value(), "-lfo"},
                                                   {s.startTime != 0, "-at"},
                                                   {s.endTime != 0, "-et"},
                                                   {s.maxsample != 0, "-l"},
                                                   {s.composeName, "-cm"}};
  for (const auto& [given, option] : excluded)
    if (given) stop_with(1, "%s can not be used with -split\n", option);
  if (!s.labelFile) stop_with(1, "-split needs a label file (-lf)\n");
}

void check_settings(const RunSettings& s) {
  check_split(s);
  check_channel_count(s.channels);
  if (s.increment < 1) stop_with(1, "increment must be at least 1\n");
  if (s.valuesPerSample < 1) stop_with(1, "values per sample must be at least 1\n");
  if (s.asmWordSize < 1 || (s.asmAdpcm && s.asmWordSize > 8))
    stop_with(1, "can not handle asm word size %d\n", s.asmWordSize);
  if (verbose) {
    printf("scale_factor = %g\n", s.scale_factor);
    printf("scale_mean   = %g\n", s.scale_mean);
    printf("clip_value   = %g\n", s.clip_value);
  }
  if (s.lengthOnly) set_name_echo(false);
}

// The name that chooses one side's mode: its "-i"/"-o" name, none for a
// description or "-N", else its file name.
static const std::string* deciding_name(const std::optional<std::string>& modeName,
                                        const std::optional<std::string>& descFile, bool showNistHeader,
                                        const std::string& name) {
  if (modeName) return &*modeName;
  if (descFile || showNistHeader) return nullptr;
  return &name;
}

static FileMode resolve_side(const std::string* decidingName, const std::optional<std::string>& descFile,
                             FileMode nistMode) {
  if (decidingName != nullptr) return mode_from_name(*decidingName);
  return descFile ? MODE_USER : nistMode;
}

void resolve_file_modes(RunSettings& s) {
  s.inmode = resolve_side(deciding_name(s.inModeName, s.inDescFile, s.showNistHeader, s.inname), s.inDescFile,
                          MODE_NIST);
  s.outmode = resolve_side(deciding_name(s.outModeName, s.outDescFile, s.showNistHeader, s.outname),
                           s.outDescFile, MODE_NONE);
}

void print_mode_lines(const RunSettings& s) {
  for (const std::string* name : {deciding_name(s.inModeName, s.inDescFile, s.showNistHeader, s.inname),
                                  deciding_name(s.outModeName, s.outDescFile, s.showNistHeader, s.outname)})
    if (name != nullptr) echo_name(*name);
  if (!s.lengthOnly) {
    const char* inName = FILE_MODE_NAME(s.inmode);
    printf("inmode = %s,   outmode = %s\n", inName, FILE_MODE_NAME(s.outmode));
  }
}
