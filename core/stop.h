// The one way a run of sndconv ends early: a message, then an exit code.
// The stop unwinds to main (or to an in-process caller) instead of exiting.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// Thrown by stop_run; main turns it into the process exit code.
struct RunStop {
  int code;
};

// Ends the run with the exit code.
[[noreturn]] void stop_run(int code);

// Prints the message on standard output (printf format), then ends the run.
[[noreturn]] void stop_with(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Prints "name: reason" for the current errno on standard error (as perror does)
// and ends the run with exit code 1.
[[noreturn]] void stop_on_errno(const std::string& name);

// Opens a file; a file that cannot be opened ends the run with its name and the
// system's reason on standard error, exit code 1.
FILE* open_or_die(const std::string& name, const char* mode);

// The text readers' stop for characters that begin no value: names the input
// and the values accepted before them, exit code 1.
[[noreturn]] void stop_unrecognizable(const std::string& inname, int64_t valuesAccepted);
