// GeneratorSettings: every setting of one tonemaker run, as read from the
// command line; the current frequency in it moves during a sweep.
#pragma once
#include <cstdint>
#include <string>

// Which generator makes the samples; the codes are the program's own (4 is unused).
enum class Waveform : int { sine = 0, rect = 1, tri = 2, imp = 3, constant = 5 };

struct GeneratorSettings {
  float amplitude = 2048;           // -a: factor applied to every signal sample
  float frequency = 500;            // -f: current frequency (Hz); moves during a sweep
  float sweepEndFrequency = 500;    // -f2: the frequency a sweep ends on
  float startFrequency = 0;         // the sweep's first frequency, set when the sweep starts
  float samplingRate = 8000;        // -s: samples per second
  int32_t sampleCount = 512;        // -n: lines in the file, zero lines included
  int32_t constFrequencyCount = 0;  // -nc: samples of constant frequency at each end of a sweep
  int32_t zeroCount = 0;            // -nz: "0" lines before and after the signal
  Waveform waveform = Waveform::sine;
  bool floatOutput = false;  // -fo: six decimals instead of integers
  bool verbose = false;      // -v: print the frequency before generating
  bool sweep = false;        // linear frequency sweep, switched on by -f2
  std::string outputName = "tonemaker.asc";
};
