// The closing report of a run: the sample count, optionally into a length file,
// or the count with the duration and the signal statistics.
#pragma once
#include <cstdint>

#include "core/settings.h"
#include "core/stats.h"

// Prints the report for `nsample` delivered samples. Never fails but for a
// length file that cannot be written.
void print_report(const RunSettings& s, int64_t nsample, SampleStats& stats);
