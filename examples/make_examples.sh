#!/usr/bin/env bash
# Makes the small example files of this folder with tonemaker and sndconv (both on the
# PATH). Writes into the folder given, or beside this script; the same files every time.
set -euo pipefail
out="${1:-$(dirname "$0")}"
mkdir -p "$out"
cd "$out"

# 0.1 s of a 1000 Hz sine at 8000 Hz, amplitude 1000: as text and as RIFF/WAVE.
tonemaker -f 1000 -a 1000 -n 800 tone.asc > /dev/null
sndconv tone.asc tone.wav > /dev/null

# ESPS label file: header lines up to "#", then records that each end a segment.
# The last record closes the segment that -lf cuts: 0.05 s to 0.1 s.
cat > tone-esps.lab <<'LABELS'
signal tone
type 0
color 121
#
0.02 121 onset
0.05 121 steady
0.1 121 end
LABELS

# SAM label file: the segment in samples (start, middle, end) and its label.
cat > tone-sam.lab <<'LABELS'
LHD: SAM label file of tone.wav
SAM: 8000
NCH: 1
LB0: 200, 400, 600, middle
ELF:
LABELS

# Description of a user-defined output (-O): 4-byte floats, least significant byte first.
cat > float32.desc <<'DESC'
<name> float32
<data> float
<binary>
DESC
