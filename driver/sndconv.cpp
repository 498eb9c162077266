// The stages of one sndconv run, in order, and the translation of a stop into
// the exit code. Process-wide flags are reset here so that runs can repeat.
#include "driver/sndconv.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "core/interrupt.h"
#include "core/settings.h"
#include "core/stop.h"
#include "driver/command_line.h"
#include "driver/report.h"
#include "driver/run.h"
#include "driver/standard_output.h"
#include "formats/registry.h"

bool verbose = false;

// The report and the messages go to standard output: a run that could not write
// them there has not ended well. (A run that already failed keeps its code; a
// reader gone away ends it as SIGPIPE does.)
static int check_stdout(int code) {
  if (fflush(stdout) == 0 && !ferror(stdout)) return code;
  clearerr(stdout);
  if (code != 0) return code;
  if (noted_signal() == SIGPIPE) return 128 + SIGPIPE;
  fprintf(stderr, "stdout: %s\n", strerror(errno));
  return 1;
}

int sndconv_main(int argc, char** argv) {
  clearerr(stdout);
  verbose = false;
  set_name_echo(true);
  RunSettings settings;
  std::unique_ptr<Conversion> conversion;
  int code = 0;
  catch_interruptions();
  try {
    conversion = std::make_unique<Conversion>();
    parse_command_line(settings, argc, argv);
    resolve_file_modes(settings);
    refuse_stdout_as_input(settings, conversion->run);
    if (samples_go_to_stdout(settings)) {
      conversion->run.samplesOnStdout = true;
      send_texts_to_stderr();
    }
    check_settings(settings);
    print_mode_lines(settings);
    run_conversion(settings, *conversion);
    print_report(settings, conversion->run);
    report_wrapped_samples(conversion->run);
    if (conversion->run.segmentsMissed) code = 1;
  } catch (const RunStop& stop) {
    code = stop.code;
  } catch (const std::bad_alloc&) {
    fflush(stdout);
    fprintf(stderr, "out of memory\n");
    code = 1;
  }
  if (conversion) {
    finish_outputs(settings, conversion->run, conversion->formats, false);
    release_input(conversion->run);
  }
  restore_stdout();
  code = check_stdout(code);
  release_interruptions();
  return code;
}
