#!/usr/bin/env bash
# Benchmark: one hour (default) of 16 kHz mono audio converted by sndconv and by
# sox, side by side, with every sndconv output checked byte for byte.
#   bench/run.sh [seconds of audio] [runs per command]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
runs=${2:-5}
samples=$((seconds * 16000))

cmake -S . -B build >/dev/null
cmake --build build -j2 --target sndconv bench_reference >/dev/null
sndconv=$PWD/build/sndconv
ref=$PWD/build/bench_reference
# In memory where there is a memory file system: the disk's own speed (and its
# slow creation of many files while others are written back) is not measured.
scratch=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
work=$(mktemp -d "${TMPDIR:-$scratch}/sndbench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

echo "generating $seconds s of audio ($samples samples) in $work"
"$ref" gen "$samples" x.voc
"$ref" wav x.voc x.wav
"$ref" ascii x.voc x.asc
"$ref" alaw x.voc 0.125 expected.ala
"$ref" fas x.voc expected.fas
have_sox=0
if command -v sox >/dev/null; then
  have_sox=1
  sox x.wav x.dat
fi
command -v hyperfine >/dev/null || { echo "hyperfine is needed (apt-get install hyperfine)"; exit 1; }

fail=0
check() {  # output expected label
  if cmp -s "$1" "$2"; then :; else echo "WRONG OUTPUT: $3 ($1 differs from $2)"; fail=1; fi
}

median() {  # hyperfine json -> median seconds of command k
  python3 -c "import json,sys; print(json.load(open('$1'))['results'][$2]['median'])"
}

rows=()
bench() {  # label, sndconv command, sox command (or empty)
  local label=$1 ours=$2 theirs=$3
  local cmds=("$ours")
  [ "$have_sox" = 1 ] && [ -n "$theirs" ] && cmds+=("$theirs")
  hyperfine -N --style none --warmup 1 --runs "$runs" --export-json t.json "${cmds[@]}" >/dev/null 2>&1 ||
    hyperfine --style none --warmup 1 --runs "$runs" --export-json t.json "${cmds[@]}" >/dev/null
  local m1 m2 ratio rss
  m1=$(median t.json 0)
  if [ ${#cmds[@]} -gt 1 ]; then
    m2=$(median t.json 1)
    ratio=$(python3 -c "print(f'{$m1/$m2:.3f}')")
  else
    m2="-"; ratio="-"
  fi
  # shellcheck disable=SC2086 # the command is a list of words
  /usr/bin/time -f %M -o rss.txt $ours >/dev/null 2>&1
  rss=$(tail -1 rss.txt)
  rows+=("$(python3 -c "print(f'{\"$label\":<26} {$m1:9.3f} {\"$m2\"[:9]:>9} {\"$ratio\":>7} {$samples/$m1/1e6:9.1f} {$rss/1024:7.1f}')")")
}

bench "WAV->16-bit -ns"       "$sndconv -ns x.wav y1.voc"          "sox x.wav -t raw s1.raw"
check y1.voc x.voc "WAV->16-bit"
bench "WAV->16-bit stats"     "$sndconv x.wav y2.voc"              "sox x.wav -t raw s2.raw"
check y2.voc x.voc "WAV->16-bit with statistics"
bench "16-bit->WAV"           "$sndconv -ns -r 16000 x.voc y3.wav" "sox -t raw -r 16000 -e signed -b 16 -c 1 x.voc s3.wav"
check y3.wav x.wav "16-bit->WAV"
bench "WAV->ASCII"            "$sndconv -ns x.wav y4.asc"          "sox x.wav s4.dat"
check y4.asc x.asc "WAV->ASCII"
bench "ASCII->16-bit"         "$sndconv -ns x.asc y5.voc"          "sox x.dat -t raw s5.raw"
check y5.voc x.voc "ASCII->16-bit"
bench "WAV->A-law -s 0.125"   "$sndconv -ns -s 0.125 x.wav y6.ala" "sox x.wav -t al s6.al"
check y6.ala expected.ala "WAV->A-law"
bench "WAV->A-law (sox -D)"   "$sndconv -ns -s 0.125 x.wav y7.ala" "sox -D x.wav -t al s7.al"
bench "statistics only"       "$sndconv x.wav -"                   "sox x.wav -n stats"
bench "WAV->Float ASCII"      "$sndconv -ns x.wav y8.fas"          "sox x.wav s8.dat"
check y8.fas expected.fas "WAV->Float ASCII"

printf '\n%-26s %9s %9s %7s %9s %7s\n' "conversion" "sndconv s" "sox s" "ratio" "Msamp/s" "RSS MB"
printf '%s\n' "${rows[@]}"
# Corpus preparation: the hour cut by a TextGrid of 1000 labelled intervals into
# 1000 WAVs in one run, against the full conversion above (with the report) and
# against the same cuts made by a loop of sox trim.
awk -v total="$seconds" 'BEGIN {
  n = 1000; printf "File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n\n0\n%d\n<exists>\n1\n", total
  printf "\"IntervalTier\"\n\"words\"\n0\n%d\n%d\n", total, n
  for (k = 0; k < n; k++) printf "%.6f\n%.6f\n\"w%d\"\n", k * total / n, (k + 1) * total / n, k + 1
}' >cuts.TextGrid
awk -v total="$seconds" 'BEGIN { for (k = 0; k < 1000; k++) printf "%.6f %.6f %04d\n", k * total / 1000, (k + 1) * total / 1000, k + 1 }' >cuts.txt
split_cmd="$sndconv -split -lf cuts.TextGrid x.wav c/%n.wav"
hyperfine --style none --warmup 1 --runs "$runs" --prepare 'rm -rf c; mkdir c' --export-json split.json \
  "$sndconv x.wav y2.voc" "$split_cmd" >/dev/null
full=$(median split.json 0)
cut=$(median split.json 1)
rm -rf c && mkdir c && /usr/bin/time -f %M -o rss.txt $split_cmd >/dev/null 2>&1
rss=$(tail -1 rss.txt)
soxloop="-"
if [ "$have_sox" = 1 ]; then
  hyperfine --style none --warmup 0 --runs 1 --prepare 'rm -rf s; mkdir s' --export-json sox.json \
    "while read -r a b n; do sox x.wav s/\$n.wav trim \$a =\$b; done < cuts.txt" >/dev/null
  soxloop=$(median sox.json 0)
  for n in 0001 0500 1000; do check "c/$n.wav" "s/$n.wav" "split segment $n"; done
fi
printf '\n%-26s %9s %9s %9s %7s %7s\n' "corpus split (1000 WAVs)" "split s" "full s" "sox loop" "sox/us" "RSS MB"
python3 -c "s=$cut; f=$full; l='$soxloop'; r=f'{float(l)/s:7.1f}' if l!='-' else '      -'
print(f'{\"split/full = \"+format(s/f, \".2f\"):<26} {s:9.3f} {f:9.3f} {l[:9]:>9} {r} {$rss/1024:7.1f}')"

[ "$fail" = 0 ] && echo "all outputs correct" || { echo "SOME OUTPUTS WRONG"; exit 1; }
