// The sndconv program as a function: command line, run, report.
// Returns the exit code; fatal stops unwind to it, so tests can call it in-process.
#pragma once

int sndconv_main(int argc, char** argv);
