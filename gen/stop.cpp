// Early ends of a tonemaker run: the help and usage exits, refused arguments,
// and files that cannot be opened or written.
#include "gen/stop.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void stop_run(int code) { throw GeneratorStop{code}; }

void stop_with(int code, const char* format, ...) {
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
  stop_run(code);
}

void stop_on_error(int code, const std::string& name, int error) {
  fflush(stdout);
  fprintf(stderr, "%s: %s\n", name.c_str(), strerror(error));
  stop_run(code);
}
