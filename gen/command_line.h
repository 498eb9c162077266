// The tonemaker command line: options, values, the output name, and the help.
// Help, the usage hint and refused arguments end the run through a stop.
#pragma once
#include "gen/settings.h"

// Reads every argument into the settings, first to last.
void read_command_line(int argc, char** argv, GeneratorSettings& settings);

// Prints the help text with the current settings as the shown defaults.
void print_help(const char* programName, const GeneratorSettings& settings);
