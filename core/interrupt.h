// Signals that end a run: SIGINT, SIGTERM, SIGHUP and SIGPIPE are noted by their
// handlers and end the run at the next block; SIGXFSZ makes the write fail instead.
#pragma once

// Installs the handlers (without SA_RESTART, so a read blocked on a quiet pipe or
// an open waiting for a FIFO returns) for the signals not ignored at start, ignores
// SIGXFSZ (a file grown past its limit is a failed write), and clears a noted signal.
void catch_interruptions();
// Puts back the handlers that were in place before catch_interruptions.
void release_interruptions();
// The signal noted since catch_interruptions; 0 when none.
int noted_signal();
// Ends the run when a signal was noted: exit code 128 + the signal number, after
// "interrupted" on standard error (not for SIGPIPE: nobody reads any more).
void check_interrupt();
