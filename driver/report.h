// The closing report of a run: the sample count, optionally into a length file,
// or the count with the duration and the signal statistics.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Prints the report for the samples the run delivered. Never fails but for a
// length file that cannot be written. Nothing is printed on standard output once
// it was the run's data stream.
void print_report(const RunSettings& s, const RunState& run);
