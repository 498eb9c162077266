// Standard output carries either the samples or the run's texts, never both:
// when the samples go there, every text goes to standard error instead.
#pragma once
#include "core/settings.h"

// The samples go to standard output: STDOUT_A, or an output name that is the
// same file as standard output ("/dev/stdout", or the file it is redirected to).
bool samples_go_to_stdout(const RunSettings& s);
// From here on, what is printed on standard output reaches standard error; the
// samples keep the original standard output (original_stdout).
void send_texts_to_stderr();
// The descriptor of standard output as the process was started with it.
int original_stdout();
// Points standard output back at its own file for whatever the process does next.
void restore_stdout();
