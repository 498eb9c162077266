// Interruption by SIGINT, SIGTERM or SIGHUP: the handlers only note the signal;
// the block loop and the checked reads and writes end the run at the next block.
#pragma once

// Installs the handlers (without SA_RESTART, so a read blocked on a quiet pipe
// returns) for the signals not ignored at start, and clears a noted signal.
void catch_interruptions();
// Puts back the handlers that were in place before catch_interruptions.
void release_interruptions();
// Ends the run as interrupted when a signal was noted: "interrupted" on standard
// error, exit code 128 + the signal number.
void check_interrupt();
