// The closing report of a run: the sample count, optionally into a length file,
// or the count with the duration and the signal statistics.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Prints the report for the samples the run delivered. Never fails but for a
// length file that cannot be written.
void print_report(const RunSettings& s, const RunState& run);
// On standard error, how many samples wrapped around 16 bits, when any did.
void report_wrapped_samples(const RunState& run);
