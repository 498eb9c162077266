// Where the run's texts go: standard output, or standard error when the samples
// take standard output. The texts move by pointing descriptor 1 at standard
// error, so every print of every stage follows without a change of its own.
#include "driver/standard_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "driver/run.h"

namespace {

int savedStdout = -1;  // the original standard output while the texts are elsewhere

bool same_file(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The sample output's name as far as the command line tells it; none when it is
// composed from a NIST header later, or the mode writes no single file.
std::optional<std::string> named_output(const RunSettings& s) {
  const ModeTraits* traits = mode_traits(s.outmode);
  if (traits == nullptr || s.composeName) return std::nullopt;
  const Opening opening = traits->output;
  if (opening != Opening::text && opening != Opening::binary && opening != Opening::described)
    return std::nullopt;
  if (is_bare_extension(s.outname)) return name_from_input(s);
  return s.outname;
}

}  // namespace

bool samples_go_to_stdout(const RunSettings& s) {
  if (s.outmode == MODE_STDOUT_A) return true;
  const std::optional<std::string> name = named_output(s);
  struct stat output, standard;
  return name && stat(name->c_str(), &output) == 0 && fstat(STDOUT_FILENO, &standard) == 0 &&
         same_file(output, standard);
}

void send_texts_to_stderr() {
  if (savedStdout >= 0) return;
  fflush(stdout);
  savedStdout = dup(STDOUT_FILENO);
  if (savedStdout >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
}

int original_stdout() { return savedStdout >= 0 ? savedStdout : STDOUT_FILENO; }

void restore_stdout() {
  if (savedStdout < 0) return;
  fflush(stdout);
  clearerr(stdout);
  dup2(savedStdout, STDOUT_FILENO);
  close(savedStdout);
  savedStdout = -1;
}
