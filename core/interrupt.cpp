// The signal handlers of sndconv and the check that turns a noted signal into
// the end of the run; the handler itself only stores the signal number.
#include "core/interrupt.h"

#include <csignal>
#include <cstdio>

#include "core/stop.h"

namespace {

volatile sig_atomic_t noted = 0;

constexpr int caught[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ};
struct sigaction before[std::size(caught)];
bool installed[std::size(caught)];

extern "C" void note_signal(int number) { noted = number; }

}  // namespace

void catch_interruptions() {
  noted = 0;
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  for (size_t k = 0; k < std::size(caught); ++k) {
    installed[k] = false;
    if (sigaction(caught[k], nullptr, &before[k]) != 0) continue;
    if (caught[k] != SIGXFSZ && before[k].sa_handler == SIG_IGN) continue;
    action.sa_handler = caught[k] == SIGXFSZ ? SIG_IGN : note_signal;
    installed[k] = sigaction(caught[k], &action, nullptr) == 0;
  }
}

void release_interruptions() {
  for (size_t k = 0; k < std::size(caught); ++k)
    if (installed[k]) sigaction(caught[k], &before[k], nullptr);
}

int noted_signal() { return noted; }

void check_interrupt() {
  const int number = noted;
  if (number == 0) return;
  fflush(stdout);
  if (number != SIGPIPE) fprintf(stderr, "interrupted\n");
  stop_run(128 + number);
}
