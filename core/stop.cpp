// Early ends of a sndconv run and the checked file open.
// Every fatal condition of every stage goes through these functions.
#include "core/stop.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "core/interrupt.h"

void stop_run(int code) { throw RunStop{code}; }

void stop_with(int code, const char* format, ...) {
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
  stop_run(code);
}

void stop_on_errno(const std::string& name) {
  const char* reason = strerror(errno);
  fflush(stdout);
  fprintf(stderr, "%s: %s\n", name.c_str(), reason);
  stop_run(1);
}

FILE* open_or_die(const std::string& name, const char* mode) {
  for (;;) {
    FILE* file = fopen(name.c_str(), mode);
    if (file != nullptr) return file;
    if (errno != EINTR) stop_on_errno(name);
    check_interrupt();  // a signal while waiting for the other end of a FIFO
  }
}

void stop_unrecognizable(const std::string& inname, int64_t valuesAccepted) {
  stop_with(1, "unrecognizable input in file %s at line %lld\n", inname.c_str(),
            static_cast<long long>(valuesAccepted));
}
