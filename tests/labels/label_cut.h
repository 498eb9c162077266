// Label files of the newer kinds cut from one 16-bit ramp at 16000 samples a
// second; the samples expected are computed from the times, apart from the program.
#pragma once
#include <cmath>

#include "tests/driver/sndconv_fixture.h"

inline std::string with_crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

class LabelCutTest : public SndconvTest {
 protected:
  static constexpr int rate = 16000;
  static constexpr int inputSamples = 48000;

  void SetUp() override { dir.write("in.voc", le16_bytes(samples_between(0, 3.0))); }

  // Runs with the label file on in.voc into out.voc; standard output from the
  // label lines on.
  ProgramResult cut(const std::string& name, const std::string& labels, std::vector<std::string> args = {}) {
    dir.write(name, labels);
    args.insert(args.end(), {"-ns", "-r", std::to_string(rate), "-lf", name, "in.voc", "out.voc"});
    ProgramResult r = sndconv(args);
    r.out = r.out.substr(std::min(r.out.find("Using label file"), r.out.size()));
    return r;
  }

  // The ramp's samples from floor(start x rate + 0.5) up to floor(end x rate + 0.5).
  static std::vector<int16_t> samples_between(double start, double end) {
    std::vector<int16_t> samples;
    const auto first = static_cast<long>(std::floor(start * rate + 0.5));
    const auto last = static_cast<long>(std::floor(end * rate + 0.5));
    for (long k = first; k < last && k < inputSamples; ++k) samples.push_back(static_cast<int16_t>(k));
    return samples;
  }

  std::vector<int16_t> output() const { return le16_samples(dir.read("out.voc")); }
};
