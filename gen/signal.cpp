// The five waveforms and the sweep. Every expression runs in double precision
// from the float state and is rounded back to float where it is stored.
#include "gen/signal.h"

#include <cmath>
#include <cstdio>

// Pi to ten significant digits; the phase arithmetic rests on exactly this value.
static constexpr double PI = 3.141592654;

// Ramp step per sample: two units per period of the current frequency.
static double ramp_step(const GeneratorSettings& settings) {
  return (2.0 * settings.frequency) / double(settings.samplingRate);
}

SignalState start_signal(const GeneratorSettings& settings) {
  SignalState state;
  state.ramp = float(-1.0 - ramp_step(settings));
  state.phase = 0;
  return state;
}

// +1 or -1 by the sign of the sine; 0 where the sine is exactly 0.
static float rect_value(float phase) {
  double sine = std::sin(double(phase));
  if (sine > 0) return 1;
  if (sine < 0) return -1;
  return 0;
}

// Advances the ramp; true when it passed 1 and was taken back by 2.
static bool advance_ramp(const GeneratorSettings& settings, SignalState& state) {
  double sum = state.ramp + ramp_step(settings);
  state.ramp = float(sum);
  if (sum <= 1.0) return false;
  state.ramp = float(state.ramp - 2.0);
  return true;
}

// The unscaled value of the current sample.
static void compute_value(const GeneratorSettings& settings, SignalState& state) {
  switch (settings.waveform) {
    case Waveform::sine: state.sampleValue = float(std::sin(double(state.phase))); break;
    case Waveform::rect: state.sampleValue = rect_value(state.phase); break;
    case Waveform::tri:
      advance_ramp(settings, state);
      state.sampleValue = state.ramp;
      break;
    case Waveform::imp: state.sampleValue = advance_ramp(settings, state) ? 1.0f : 0.0f; break;
    case Waveform::constant: state.sampleValue = 1; break;
    default: printf("mode not implemented!\n"); break;
  }
}

float next_sample(const GeneratorSettings& settings, SignalState& state) {
  compute_value(settings, state);
  double increment = (double(settings.frequency) / double(settings.samplingRate)) * 2.0 * PI;
  state.phase = float(state.phase + increment);
  state.sampleValue = float(double(state.sampleValue) * double(settings.amplitude));
  return state.sampleValue;
}

void sweep_step(GeneratorSettings& settings, int64_t index, int64_t signalCount) {
  const int64_t constCount = settings.constFrequencyCount;
  if (!settings.sweep || index < constCount || index >= signalCount - constCount) return;
  const int64_t sweepCount = signalCount - 2 * constCount;
  double step = (double(settings.sweepEndFrequency) - double(settings.startFrequency)) / double(sweepCount);
  settings.frequency = float(settings.frequency + step);
}
