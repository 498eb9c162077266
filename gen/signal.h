// Waveform generation: the sine phase, the rising ramp behind tri and imp, and
// the linear frequency sweep, all in single precision as the output expects.
#pragma once
#include <cstdint>

#include "gen/settings.h"

// The generator's running state between samples.
struct SignalState {
  float phase = 0;        // sine phase in radians, never reduced modulo 2*pi
  float ramp = 0;         // rising ramp of tri and imp, about -1 to 1
  float sampleValue = 0;  // the current sample, unscaled, then times the amplitude
};

// The state before the first signal sample, for the current frequency.
SignalState start_signal(const GeneratorSettings& settings);

// Makes the next sample (scaled by the amplitude) and advances the phase.
float next_sample(const GeneratorSettings& settings, SignalState& state);

// Moves the frequency one step along the sweep after sample `index` of
// `signalCount` signal samples; no step inside the constant stretches.
void sweep_step(GeneratorSettings& settings, int64_t index, int64_t signalCount);
