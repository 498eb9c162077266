// Hand-written readers of one "%hi" or "%x" value from a stream, giving the C
// library's results (1, 0 or EOF), values and consumed characters, only faster.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string_view>

// As fscanf(file, "%hi", &value): skips white space, takes an optional sign and
// a decimal, octal (leading 0) or hexadecimal (leading 0x) number, and stores the
// low 16 bits of the long it gives (saturated to the long range first).
// Returns 1, 0 (no number; the offending character stays unread) or EOF. A white
// space character right after the number is consumed; fscanf leaves it, but
// every later read skips it first, so no later result differs.
int scan_short(FILE* file, int16_t& value);

// As fscanf(file, "%x", &value) into an unsigned int: optional sign, optional
// 0x prefix, hex digits; the unsigned long the C library makes of them (negated
// for a '-', saturated on overflow) cut to 32 bits.
int scan_hex_unsigned(FILE* file, uint32_t& value);

// As sscanf("0x" + token, "%hi", &value) on a token without white space: the
// longest run of hex digits at the token's start (none gives 0). Always succeeds.
int16_t hex_token_value(std::string_view token);
