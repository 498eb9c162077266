// The one way a tonemaker run ends early: a message, then an exit code.
// The stop unwinds to tonemaker_main (or to an in-process caller) instead of exiting.
#pragma once
#include <string>

// Thrown by stop_run; tonemaker_main turns it into its return value.
struct GeneratorStop {
  int code;
};

// Ends the run with the exit code.
[[noreturn]] void stop_run(int code);

// Prints the message on standard output (printf format), then ends the run.
[[noreturn]] void stop_with(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Prints "name: reason" for the system error `error` on standard error, then ends
// the run with the exit code.
[[noreturn]] void stop_on_error(int code, const std::string& name, int error);
