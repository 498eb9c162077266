// The tonemaker program as a function: command line, output, signal, close.
// Returns the exit code; early ends unwind to it, so it can also run in-process.
#pragma once

int tonemaker_main(int argc, char** argv);
