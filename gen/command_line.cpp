// Option words of tonemaker and how their values are read: "%f" for the real
// settings, a 32-bit decimal integer for the counts; anything else is the name.
#include "gen/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gen/stop.h"

// The first line of the help; the version number comes from the build (CMakeLists.txt).
static constexpr char banner[] = "*** Tamsel signal generator V" TONEMAKER_VERSION " ****\n";

// The argument after option i; an option that is the last argument has none.
static const char* take_value(int argc, char** argv, int& i) {
  if (i + 1 >= argc) stop_with(1, "missing value for %s\n", argv[i]);
  return argv[++i];
}

// A leading number in the text, as the formatted scan reads it; else unchanged.
static void read_float(const char* text, float& value) {
  float read = 0;
  if (sscanf(text, "%f", &read) == 1) value = read;
}

// A leading decimal integer; values beyond 32 bits saturate at the nearest limit.
static void read_count(const char* text, int32_t& value) {
  char* end = nullptr;
  long long read = strtoll(text, &end, 10);
  if (end == text) return;
  if (read > INT32_MAX) read = INT32_MAX;
  if (read < INT32_MIN) read = INT32_MIN;
  value = static_cast<int32_t>(read);
}

// Options without a value; false when the word is none of them.
static bool read_flag(std::string_view word, GeneratorSettings& settings) {
  if (word == "-v") {
    settings.verbose = true;
  } else if (word == "-fo") {
    settings.floatOutput = true;
  } else if (word == "-rect") {
    settings.waveform = Waveform::rect;
  } else if (word == "-const") {
    settings.waveform = Waveform::constant;
  } else if (word == "-tri") {
    settings.waveform = Waveform::tri;
  } else if (word == "-imp") {
    settings.waveform = Waveform::imp;
  } else {
    return false;
  }
  return true;
}

// The real-valued setting an option word names, or nullptr.
static float* float_setting(std::string_view word, GeneratorSettings& settings) {
  if (word == "-f") return &settings.frequency;
  if (word == "-f2") return &settings.sweepEndFrequency;
  if (word == "-s") return &settings.samplingRate;
  if (word == "-a") return &settings.amplitude;
  return nullptr;
}

// The count an option word names, or nullptr.
static int32_t* count_setting(std::string_view word, GeneratorSettings& settings) {
  if (word == "-n") return &settings.sampleCount;
  if (word == "-nc") return &settings.constFrequencyCount;
  if (word == "-nz") return &settings.zeroCount;
  return nullptr;
}

void read_command_line(int argc, char** argv, GeneratorSettings& settings) {
  if (argc < 2) stop_with(0, "use  %s  -h for help\n", argc > 0 ? argv[0] : "tonemaker");
  // As the only argument, "--help" gives the help and "--version" the banner.
  if (argc == 2 && std::string_view(argv[1]) == "--version") stop_with(0, "%s", banner);
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    print_help(argv[0], settings);
    stop_run(0);
  }
  for (int i = 1; i < argc; ++i) {
    std::string_view word = argv[i];
    if (word == "-h" || word == "-?") {
      print_help(argv[0], settings);
      stop_run(0);
    }
    if (word == "-f2") settings.sweep = true;  // even when no number follows
    if (float* value = float_setting(word, settings)) {
      read_float(take_value(argc, argv, i), *value);
    } else if (int32_t* count = count_setting(word, settings)) {
      read_count(take_value(argc, argv, i), *count);
    } else if (!read_flag(word, settings)) {
      if (i != argc - 1) stop_with(1, "don't understand %s\n", argv[i]);
      settings.outputName = word;
    }
  }
}

void print_help(const char* programName, const GeneratorSettings& settings) {
  fputs(banner, stdout);
  printf("USAGE: %s [ opt ]  outname\n", programName);
  printf("OPTIONS:\n");
  printf("   -v:    verbose mode \n");
  printf("   -fo:   float output \n");
  printf("   -a y   amplitude             D=%.2f\n", settings.amplitude);
  printf("   -f y   frequency             D=%.2f\n", settings.frequency);
  printf("   -f2 y  2nd freq. for sweep   D=%.2f\n", settings.sweepEndFrequency);
  printf("   -s y   sampling rate         D=%.2f\n", settings.samplingRate);
  printf("   -n i   #samples              D=%d\n", settings.sampleCount);
  printf("   -nc i  #const F samples B/E  D=%d\n", settings.constFrequencyCount);
  printf("   -nz i  #zero samples    B/E  D=%d\n", settings.zeroCount);
  printf("   -type                        D=sin\n");
  printf("    type :  rect, tri, imp, const\n");
  printf("    Default output:  %s\n", settings.outputName.c_str());
}
