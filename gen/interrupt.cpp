// tonemaker's signal handlers, which store the signal number and nothing else,
// and the check of the line loops.
#include "gen/interrupt.h"

#include <csignal>
#include <cstdio>

#include "gen/stop.h"

static volatile sig_atomic_t signalNumber = 0;
static constexpr int handled[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ};
static struct sigaction previous[std::size(handled)];

extern "C" void store_signal(int number) { signalNumber = number; }

void catch_interruptions() {
  signalNumber = 0;
  struct sigaction action {};
  action.sa_handler = store_signal;  // no SA_RESTART: a blocked write returns
  sigemptyset(&action.sa_mask);
  for (size_t k = 0; k < std::size(handled); ++k) {
    sigaction(handled[k], nullptr, &previous[k]);
    // A file grown past its size limit is a failed write, not the end of the run.
    action.sa_handler = handled[k] == SIGXFSZ ? SIG_IGN : store_signal;
    if (handled[k] == SIGXFSZ || previous[k].sa_handler != SIG_IGN) sigaction(handled[k], &action, nullptr);
  }
}

void release_interruptions() {
  for (size_t k = 0; k < std::size(handled); ++k) sigaction(handled[k], &previous[k], nullptr);
}

int noted_signal() { return signalNumber; }

void check_interrupt() {
  if (signalNumber == 0) return;
  fflush(stdout);
  if (signalNumber != SIGPIPE) fputs("interrupted\n", stderr);  // nobody reads after SIGPIPE
  stop_run(128 + signalNumber);
}
