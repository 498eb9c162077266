// The A-law decoder output values of G.711, as the recommendation's table lists
// them on the 13-bit scale, and the value of a code looked up in that table.
#pragma once

// The 16 magnitudes of each of the 8 segments.
inline constexpr int alawMagnitudes[8][16] = {
    {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31},
    {33, 35, 37, 39, 41, 43, 45, 47, 49, 51, 53, 55, 57, 59, 61, 63},
    {66, 70, 74, 78, 82, 86, 90, 94, 98, 102, 106, 110, 114, 118, 122, 126},
    {132, 140, 148, 156, 164, 172, 180, 188, 196, 204, 212, 220, 228, 236, 244, 252},
    {264, 280, 296, 312, 328, 344, 360, 376, 392, 408, 424, 440, 456, 472, 488, 504},
    {528, 560, 592, 624, 656, 688, 720, 752, 784, 816, 848, 880, 912, 944, 976, 1008},
    {1056, 1120, 1184, 1248, 1312, 1376, 1440, 1504, 1568, 1632, 1696, 1760, 1824, 1888, 1952, 2016},
    {2112, 2240, 2368, 2496, 2624, 2752, 2880, 3008, 3136, 3264, 3392, 3520, 3648, 3776, 3904, 4032},
};

// A code as transmitted has its even bits inverted; then bit 7 is the sign (set
// for positive values), bits 6-4 the segment and bits 3-0 the place in it.
inline int alaw_value(unsigned code) {
  const unsigned bits = code ^ 0x55u;
  const int magnitude = alawMagnitudes[(bits >> 4) & 7u][bits & 15u];
  return (bits & 0x80u) ? magnitude : -magnitude;
}
