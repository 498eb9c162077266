// The stages of one tonemaker run, in order: settings, the frequency line, the
// zero-framed signal in the output file, and the exit code of how it ended.
#include "gen/tonemaker.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

#include "gen/command_line.h"
#include "gen/interrupt.h"
#include "gen/output.h"
#include "gen/settings.h"
#include "gen/signal.h"
#include "gen/stop.h"

// Writes the signal samples, sweeping the frequency after each one.
static void write_signal(GeneratorSettings& settings, OutputFile& output, int64_t signalCount) {
  SignalState state = start_signal(settings);
  for (int64_t i = 0; i < signalCount; ++i) {
    check_interrupt();
    write_sample(output, next_sample(settings, state), settings.floatOutput);
    sweep_step(settings, i, signalCount);
  }
}

static void generate(int argc, char** argv) {
  GeneratorSettings settings;
  read_command_line(argc, argv, settings);
  if (settings.samplingRate == 0) stop_with(1, "sampling rate must not be 0\n");
  if (settings.sweep) settings.startFrequency = settings.frequency;
  if (settings.verbose) printf("frequency  = %f\n", double(settings.frequency));

  OutputFile output = open_output(settings.outputName);
  const int64_t signalCount = int64_t(settings.sampleCount) - 2 * int64_t(settings.zeroCount);
  try {
    write_zero_lines(output, settings.zeroCount);
    write_signal(settings, output, signalCount);
    write_zero_lines(output, settings.zeroCount);
  } catch (const GeneratorStop&) {
    release_output(output);  // an interruption keeps the lines written so far
    throw;
  }
  close_output(output);
}

// Standard output carries the help and the messages; a failed write of it is
// reported like any other file's.
static int check_stdout(int code) {
  if (fflush(stdout) == 0 && !ferror(stdout)) return code;
  if (code == 0 && noted_signal() == SIGPIPE) return 128 + SIGPIPE;  // the reader went away
  fprintf(stderr, "stdout: %s\n", strerror(errno));
  return code != 0 ? code : 1;
}

int tonemaker_main(int argc, char** argv) {
  int code = 0;
  catch_interruptions();
  try {
    generate(argc, argv);
  } catch (const GeneratorStop& stop) {
    code = stop.code;
  } catch (const std::bad_alloc&) {
    fflush(stdout);
    fputs("out of memory\n", stderr);
    code = 1;
  }
  code = check_stdout(code);
  release_interruptions();
  return code;
}
