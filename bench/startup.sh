#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the game against an empty Qt window, under Xvfb.
# Each program runs with RINGVALE_EXIT_AFTER_SHOW set and quits once its first window has been
# exposed and painted. Prints the medians and the two ratios, game / baseline.
# Usage: bench/startup.sh [build folder with ringvale and bench/baseline] [runs]
#        (default build/bench, 15 runs; configure it with -DRINGVALE_BENCH=ON)
set -euo pipefail

# Inside the X server: run the game and the baseline in turn, `runs` times each, one
# "microseconds kilobytes" line per run, so a change in the machine's load falls on both alike.
if [ "${1:-}" = "--measure" ]; then
  game=$2 baseline=$3 runs=$4 out=$5
  one=$(mktemp)
  : >"$out/game"
  : >"$out/baseline"
  "$game" >/dev/null 2>&1 || true  # warm the file cache
  "$baseline" >/dev/null 2>&1 || true
  for _ in $(seq "$runs"); do
    for name in game baseline; do
      start=$(date +%s%N)
      /usr/bin/time -f "%M" -o "$one" "${!name}" >/dev/null 2>&1
      end=$(date +%s%N)
      echo "$(((end - start) / 1000)) $(cat "$one")" >>"$out/$name"
    done
  done
  rm -f "$one"
  exit 0
fi

cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${2:-15}
game="$build/ringvale"
baseline="$build/bench/baseline"
for program in "$game" "$baseline"; do
  [ -x "$program" ] || { echo "missing $program: build with -DRINGVALE_BENCH=ON" >&2; exit 1; }
done
for tool in xvfb-run /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool (Debian: xvfb, time)" >&2; exit 1; }
done

export RINGVALE_EXIT_AFTER_SHOW=1 QT_QPA_PLATFORM=xcb
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# One X server for every run, so only the programs differ.
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --measure "$game" "$baseline" "$runs" "$scratch"

median() {  # of column $2 of the lines of file $1
  cut -d' ' -f"$2" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
gameTime=$(median "$scratch/game" 1)
baseTime=$(median "$scratch/baseline" 1)
gameRss=$(median "$scratch/game" 2)
baseRss=$(median "$scratch/baseline" 2)
count=$(wc -l <"$scratch/game")
echo "first window: game ${gameTime} us, baseline ${baseTime} us (medians of $count runs each)"
echo "peak memory:  game ${gameRss} kB, baseline ${baseRss} kB"
awk -v g="$gameTime" -v b="$baseTime" 'BEGIN { printf "time ratio %.2f (target 1.15 at most)\n", g / b }'
awk -v g="$gameRss" -v b="$baseRss" 'BEGIN { printf "memory ratio %.2f (target 1.3 at most)\n", g / b }'
