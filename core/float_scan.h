// A hand-written reader of one "%f" value from a stream: the C library's
// character rules and results, with the collected text converted by strtof.
#pragma once
#include <cstdio>

// As fscanf(file, "%f", &value): returns 1, 0 (no number) or EOF (end of the
// input before a value), consuming the same characters.
int scan_float(FILE* file, float& value);
