// SampleStats: the single-precision sums over every delivered sample that the
// closing report turns into min, max, mean, energy, std and psi1.
#pragma once

struct SampleStats {
  float min = 3.4028235e38f;
  float max = -3.4028235e38f;
  float sum = 0;
  float energy = 0;
  float psi1 = 0;
  float previous = 0;
};

// Adds one sample. Each sum is formed in double and rounded to float where it
// is stored; psi1 is only gathered for the extended statistics (level 2).
inline void accumulate_sample(SampleStats& stats, float x, int statsLevel) {
  if (x > stats.max) stats.max = x;
  if (x < stats.min) stats.min = x;
  stats.sum = static_cast<float>(static_cast<double>(stats.sum) + static_cast<double>(x));
  stats.energy =
      static_cast<float>(static_cast<double>(stats.energy) + static_cast<double>(x) * static_cast<double>(x));
  if (statsLevel > 1) {
    stats.psi1 = static_cast<float>(static_cast<double>(stats.psi1) +
                                    static_cast<double>(stats.previous) * static_cast<double>(x));
    stats.previous = x;
  }
}
