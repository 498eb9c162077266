// Interruption of tonemaker by SIGINT, SIGTERM, SIGHUP or SIGPIPE: the handler
// notes the signal; the line loops end the run after the line in hand.
#pragma once

// Installs the handlers for the signals not ignored at start; SIGXFSZ is ignored,
// so that a file grown past its size limit fails the write instead.
void catch_interruptions();
// Puts back the handlers in place before.
void release_interruptions();
// The signal noted since catch_interruptions; 0 when none.
int noted_signal();
// A noted signal ends the run: "interrupted" on standard error (not for
// SIGPIPE), exit code 128 + the signal number.
void check_interrupt();
