// The end-of-run report: "-L"/"-LF" print only the count (and write it into the
// length file), otherwise the count, duration and the statistics lines follow.
#include "driver/report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "core/stop.h"
#include "core/streams.h"
#include "driver/run.h"

namespace {

// Report lines go to standard output (standard error when the samples took it).
void report_line(const char* format, ...) __attribute__((format(printf, 1, 2)));
void report_line(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
}

void write_length_file(const RunSettings& s, const RunState& run) {
  OutStream file = open_single_output(s, run, *s.lengthFile);
  write_format(file, "%lli\n", static_cast<long long>(run.nsample));
  close_output(file);
}

// Each quotient is formed in double and rounded to float, as the sums were.
float per_sample(float sum, int64_t nsample) {
  return static_cast<float>(static_cast<double>(sum) / static_cast<double>(nsample));
}

void print_statistics(const RunSettings& s, int64_t nsample, const SampleStats& st) {
  const float mean = per_sample(st.sum, nsample);
  const float energy = per_sample(st.energy, nsample);
  report_line("min       =  %10.2f\n", st.min);
  report_line("max       =  %10.2f\n", st.max);
  report_line("mean      =  %10.2f\n", mean);
  const float deviation = static_cast<float>(
      std::sqrt(static_cast<double>(energy) - static_cast<double>(mean) * static_cast<double>(mean)));
  report_line("energy    =  %10g,  std = %10g\n", energy, deviation);
  if (s.refLevel != 0) {
    double rms = std::sqrt(static_cast<double>(energy));
    report_line("%10.2fdB\n", 20.0 * std::log10(rms / static_cast<double>(s.refLevel)));
  }
  if (s.statsLevel > 1) {
    const float psi1 =
        static_cast<float>(static_cast<double>(st.psi1) / (static_cast<double>(nsample) - 1.0));
    report_line("psi1        =  %10g\n", psi1);
    report_line("psi1/psi0   =  %10.5f\n", static_cast<double>(psi1) / static_cast<double>(energy));
  }
}

}  // namespace

void print_report(const RunSettings& s, const RunState& run) {
  const int64_t nsample = run.nsample;
  if (s.lengthOnly) {
    report_line("%lli\n", static_cast<long long>(nsample));
    if (s.lengthFile) write_length_file(s, run);
    return;
  }
  report_line("nsample   =  %10lli, %10.2f sec\n", static_cast<long long>(nsample),
              static_cast<double>(nsample) / static_cast<double>(s.rate));
  if (nsample == 0 || s.statsLevel == 0) return;
  print_statistics(s, nsample, run.stats);
}

void report_wrapped_samples(const RunState& run) {
  if (run.wrapped == 0) return;
  fflush(stdout);
  fprintf(stderr, "%lld samples wrapped around 16 bits; -c 32767 clips instead\n",
          static_cast<long long>(run.wrapped));
}
